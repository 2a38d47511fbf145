# SQLite as a static library, from the amalgamation that the npm package
# better-sqlite3 carries (deps/sqlite3), pinned by version and by the SHA-256
# of the two files compiled from it. MinGW has no SQLite of its own.
package=better-sqlite3@12.11.1
sqlite3_c_sha256=60d2f39a3726cd6b9021da6f4e868608d66fbb6528a9f513dc8ffcc640493422
sqlite3_h_sha256=9e69a1353a4288450b0d5239ede11fc7f1f4c8e5eb07491fc8317eacb5b7de7e

version() { echo 3.53.2; }

fetch() {
  local src=$1 tarball
  mkdir -p "$src"
  tarball=$(cd "$src" && npm pack --silent "$package")
  tar -xzf "$src/$tarball" -C "$src" --strip-components=3 package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
  rm "$src/$tarball"
  sha256sum --check --strict - <<SUMS
$sqlite3_c_sha256  $src/sqlite3.c
$sqlite3_h_sha256  $src/sqlite3.h
SUMS
  grep -q "define SQLITE_VERSION *\"$(version)\"" "$src/sqlite3.h"
  cat >"$src/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(sqlite3 C)
add_library(sqlite3 STATIC sqlite3.c)
install(TARGETS sqlite3)
install(FILES sqlite3.h TYPE INCLUDE)
CMAKE
}

build() { cmake_project "$@"; }
