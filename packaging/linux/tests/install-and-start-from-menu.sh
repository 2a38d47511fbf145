#!/usr/bin/env bash
# The Debian package as a user meets it: installed with apt-get (as root, as CI
# runs), started by an unprivileged user in a fresh home through the command
# of its menu entry, in a real X server. The window must appear and the
# catalogue must be made in "Películas" of the user's documents, not in the
# folder the menu started in, and Qt's Spanish texts must be read from the
# translations the package depends on. Started from a terminal, the installed
# program keeps to the current folder, whose Access catalogue it converts (so
# the package brings mdbtools' library). The package is removed again at the end.
# Usage: install-and-start-from-menu.sh BUILD_DIR      (as root)
source "$(dirname "$0")/installed-package.sh"
build="$(cd "$1" && pwd)"
deb=$(ls "$build"/cintario_*_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libsqlite3-0 xdg-utils qt6-translations-l10n; do
  [[ "$depends" == *"$needed"* ]] || { echo "the package does not depend on $needed" >&2; exit 1; }
done

make_home
apt install --reinstall "$deb" >/dev/null
entry=/usr/share/applications/cintario.desktop
desktop-file-validate "$entry"
[ -f /usr/share/icons/hicolor/48x48/apps/cintario.png ] || { echo "no menu icon installed" >&2; exit 1; }
command=$(menu_command)
echo "menu entry starts: $command"

start_x
# The menu starts programs in the home folder.
# shellcheck disable=SC2086  # the entry's command, split as the desktop does
as_user "$home" strace -f -qq -e trace=openat -o "$home/opened.log" $command
wait_window
screenshot "$build/screenshots/cintario-from-menu.png" 520x330+0+0
quit
catalogue="$home/Documents/Películas/Peliculas.mdb"
[ -f "$catalogue" ] || { echo "no catalogue in $(dirname "$catalogue")" >&2; ls -laR "$home" >&2; exit 1; }
[ "$(stat -c %U "$catalogue")" = nobody ] || { echo "the catalogue is not the user's own" >&2; exit 1; }
[ "$(sqlite3 "$catalogue" 'SELECT count(*) FROM Pelis')" = 0 ] || { echo "not a new catalogue" >&2; exit 1; }
[ ! -e "$home/Peliculas.mdb" ] || { echo "the menu start wrote a catalogue into the home folder" >&2; exit 1; }
grep -q '/qt6/translations/qtbase_es.qm", O_RDONLY.*= [0-9]' "$home/opened.log" \
  || { echo "Qt's Spanish texts were not read:" >&2; grep -a qtbase "$home/opened.log" >&2; exit 1; }
echo "menu start: window shown, Qt's Spanish texts read, new catalogue in $catalogue"

mkdir "$home/terminal"
"$build/catalogue/jet/make-jet-catalogue" jet4 30 "$home/terminal/Peliculas.mdb"
chown -R nobody "$home/terminal"
as_user "$home/terminal" cintario
window=none # the conversion's message comes before the window
message=$(wait_dialog Brisvel)
keys Return
wait_closed "$message"
wait_window
quit
[ -f "$home/terminal/Peliculas (Jet original).mdb" ] \
  && [ "$(sqlite3 "$home/terminal/Peliculas.mdb" 'SELECT count(*) FROM Pelis')" = 30 ] \
  || { echo "the terminal start did not convert the Access catalogue of its folder" >&2; ls -la "$home/terminal" >&2; exit 1; }
echo "terminal start: the Access catalogue of the current folder converted"

apt purge cintario >/dev/null
[ ! -e /usr/bin/cintario ] && [ ! -e "$entry" ] || { echo "removing the package left its files" >&2; exit 1; }
[ -f "$catalogue" ] || { echo "removing the package removed the user's catalogue" >&2; exit 1; }
echo "package installed, started from its menu entry and from a terminal, and removed"
