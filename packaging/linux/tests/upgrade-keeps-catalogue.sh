#!/usr/bin/env bash
# A newer version of the package installed over an older one with apt-get, as
# a user upgrades: the catalogue and the report in "Películas" stay as they
# were, every installed file is the newer version's (a file that only the
# older version shipped is gone), and the newer program, started from its menu
# entry, opens that catalogue. The older version is the package as built, with
# one file more, as an older version that still shipped it; the newer one is
# the same build made by CPack into the next version's package.
# Usage: upgrade-keeps-catalogue.sh BUILD_DIR      (as root)
source "$(dirname "$0")/installed-package.sh"
build="$(cd "$1" && pwd)"
top="$(cd "$(dirname "$0")/../../.." && pwd)"
deb=$(ls "$build"/cintario_*_*.deb)
version=$(dpkg-deb -f "$deb" Version)
next="${version%.*}.$((${version##*.} + 1))"
fail() { echo "$*" >&2; exit 1; }

make_home
older="$home/older"
dpkg-deb -R "$deb" "$older"
only_older=usr/share/cintario/only-in-the-older-version
mkdir -p "$older/$(dirname "$only_older")"
echo "shipped by version $version alone" >"$older/$only_older"
(cd "$older" && find usr -type f -exec md5sum {} + | sort -k2 >DEBIAN/md5sums)
dpkg-deb -b --root-owner-group "$older" "$home/cintario_${version}_older.deb" >/dev/null
(cd "$build" && cpack -G DEB -D CPACK_PACKAGE_VERSION="$next" -B "$home/newer") >"$home/cpack.log" \
  || { cat "$home/cpack.log" >&2; fail "CPack did not make version $next"; }
newer=$(ls "$home"/newer/cintario_"${next}"_*.deb)

apt install "$home/cintario_${version}_older.deb" >/dev/null
[ -f "/$only_older" ] || fail "version $version is not installed"
folder="$home/Documents/Películas"
mkdir -p "$folder"
"$build/catalogue/store/make-demo-catalogue" "$folder/Peliculas.mdb"
cp "$top/catalogue/reports/testdata/Estadisticas_Pelis.TxT" "$folder/"
chown -R nobody "$home/Documents"
films=$(sqlite3 "$folder/Peliculas.mdb" 'SELECT count(*) FROM Pelis')
before=$(cd "$folder" && sha256sum -- *)

apt install "$newer" >/dev/null
[ "$(dpkg-query -W -f='${Version}' cintario)" = "$next" ] || fail "the installed version is not $next"
[ ! -e "/$only_older" ] && [ ! -e "/$(dirname "$only_older")" ] \
  || fail "the upgrade left /$only_older, which version $next does not have"
# dpkg checks every file of the newer package against its checksums.
changed=$(dpkg --verify cintario) && [ -z "$changed" ] || fail "files that are not version $next's: $changed"
zcat /usr/share/doc/cintario/changelog.gz | head -n1 | grep -qF "cintario ($next)" \
  && grep -qF "<release version=\"$next\"" /usr/share/metainfo/org.example.cintario.metainfo.xml \
  || fail "the changelog or the AppStream release of the package is not version $next's"
[ "$(cd "$folder" && sha256sum -- *)" = "$before" ] || fail "the upgrade changed the user's folder: $(ls -la "$folder")"
echo "upgraded from $version to $next: the files are $next's, /$only_older gone, the user's folder untouched"

start_x
# shellcheck disable=SC2086  # the entry's command, split as the desktop does
as_user "$home" $(menu_command)
wait_window
quit
[ "$(sqlite3 "$folder/Peliculas.mdb" 'SELECT count(*) FROM Pelis')" = "$films" ] \
  && [ "$(ls "$folder")" = "$(printf '%s\n' Estadisticas_Pelis.TxT Peliculas.mdb)" ] \
  || fail "version $next did not open the catalogue of $films films as it was: $(ls -la "$folder")"
echo "version $next started from its menu entry on the catalogue of $films films"
