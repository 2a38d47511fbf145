# libmdb, the library of mdbtools that reads Access (Jet) files, as a DLL, with
# the iconv it needs (MinGW has none): both built by libraries/mdbtools/
# CMakeLists.txt from mdbtools' sources and the iconv.c beside it.
# The source of Debian 12's own mdbtools (1.0.0+dfsg-1.1) is not in the archive
# this machine can reach (its tarballs are missing from the pool); the one of
# the next Debian release is: mdbtools 1.0.1, which Debian ships without
# patches of its own, pinned here by its SHA-256.
orig=pool/main/m/mdbtools/mdbtools_1.0.1.orig.tar.gz
orig_sha256=750cbf793bf5b7e296fdc359124393a0aef89ee663b7741ba4b1ca2ce30b3b37

version() { echo 1.0.1; }

fetch() {
  local src=$1
  mkdir -p "$src"
  "$here/debian-archive-file" "$orig" "$orig_sha256" "$src.tar.gz"
  tar -xzf "$src.tar.gz" -C "$src" --strip-components=1
  rm "$src.tar.gz"
}

build() {
  local src=$1 build=$2 prefix=$3
  cmake_project "$here/libraries/mdbtools" "$build" "$prefix" -DMDBTOOLS_SOURCE_DIR="$src"
}
