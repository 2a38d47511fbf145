#!/usr/bin/env bash
# Cintario upgraded under wine64, as a Windows user does it: version N
# installed, a catalogue and a report in "Películas", version N+1 installed
# silently over it: into the same folder, every program file N+1's and none
# of N's left behind (N shipped a plugin that N+1 no longer has), "Películas"
# untouched, the uninstall entry under HKCU saying N+1. Then, while N+1's
# Cintario runs (started from its shortcut, on that catalogue), the installer
# is run again: silently it ends with a failure status and replaces nothing;
# shown, it says in Spanish that Cintario is open, waits, and installs once
# the program is closed. Last, the uninstaller leaves "Películas" as it was.
# Both versions are the build's program folder made into installers by
# make-installer: N+1 as it is with the next version number, N with the
# plugin more and a qt.conf of its own, as an older version had them.
# Usage: upgrade-under-wine.sh BUILD_DIR
source "$(dirname "$0")/wine-session.sh"
build="$(cd "$1" && pwd)"
top="$(cd "$(dirname "$0")/../../.." && pwd)"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
next="${version%.*}.$((${version##*.} + 1))"
only_older='imageformats\qgif.dll'

start_x
make_prefix
use_virtual_desktop 1024x768
install_test_tools "$build"

older="$session/Cintario-$version"
cp -a "$build/Cintario" "$older"
cp "$older/imageformats/qjpeg.dll" "$older/${only_older//\\//}"
printf '; %s\r\n' "$version" >>"$older/qt.conf"
"$top/packaging/windows/make-installer" "$older" "$version" "$session/Cintario-$version-instalador.exe"
"$top/packaging/windows/make-installer" "$build/Cintario" "$next" "$session/Cintario-$next-instalador.exe"

"$wine" "$session/Cintario-$version-instalador.exe" /S >/dev/null 2>&1 || fail "version $version did not install"
installed_for_the_user
[ "$(uninstall_entry DisplayVersion)" = "$version" ] && [ -f "$program_folder/${only_older//\\//}" ] \
  || fail "version $version is not what is installed"
user_folder="$(readlink -f "$drive_c/users/$(id -un)/Documents")/Películas"
sqlite3 "$user_folder/Peliculas.mdb" <<'SQL'
CREATE TABLE Pelis (idzefo INTEGER, titulo TEXT, "duración" TEXT, tipopeli TEXT, director TEXT,
                    totalcds INTEGER, codec TEXT);
INSERT INTO Pelis VALUES (3, 'El Espíritu De La Colmena', '01:37:00', 'DVD', 'Víctor Erice', 1, 'XviD');
SQL
cp "$top/catalogue/reports/testdata/Peliculas_Ordenadas_Por_Titulo.TxT" "$user_folder/"
user_files() { (cd "$user_folder" && sha256sum -- *); }
user_files_before=$(user_files)

# Every program file as N+1 has it, and nothing else but the uninstaller and
# the list of installed files.
is_the_newer_version() {
  diff -r --exclude=Desinstalar.exe --exclude=archivos-instalados.txt "$build/Cintario" "$program_folder" >&2 \
    && [ "$(uninstall_entry DisplayVersion)" = "$next" ]
}
"$wine" "$session/Cintario-$next-instalador.exe" /S >/dev/null 2>&1 || fail "version $next did not install"
installed_for_the_user
is_the_newer_version || fail "after the upgrade the program folder is not version $next's"
[ "$(user_files)" = "$user_files_before" ] || fail "the upgrade changed the user's folder: $(ls -la "$user_folder")"
echo "version $next installed over $version: its files alone ($only_older gone), \"Películas\" untouched"

shortcut=$(find "$drive_c/users" -path '*/Start Menu/Programs/Cintario.lnk' -print -quit)
"$wine" start "$(windows_path "$shortcut")"
wait_until count_is main_windows 1 || { windows >&2; fail "version $next did not start on the catalogue"; }
# Which file is which (inode), and when each was last changed (ctime, which
# nothing can set back): a file replaced or rewritten shows.
program_files() { (cd "$program_folder" && find . -printf '%p %i %C@\n' | sort); }
program_files_before=$(program_files)
status=0
"$wine" "$session/Cintario-$version-instalador.exe" /S >/dev/null 2>&1 || status=$?
[ "$status" != 0 ] || fail "the silent installer ended well while Cintario ran"
[ "$(program_files)" = "$program_files_before" ] && is_the_newer_version \
  || fail "the silent installer changed the program folder while Cintario ran"
echo "silent installer while Cintario runs: status $status, nothing replaced"

# Shown, the installer says why it cannot go on and waits.
(status=0; "$wine" "$session/Cintario-$next-instalador.exe" >/dev/null 2>&1 || status=$?; echo $status >"$session/installer.status") &
installer_message() { "$wine" 'C:\tools\dialog-text.exe' 'Instalación de Cintario' 2>/dev/null | tr -d '\r'; }
wait_until installer_message >/dev/null || { windows >&2; fail "the installer showed no message"; }
shown=$(installer_message)
says "$shown" "Cintario está abierto (el programa \"$(windows_path "$program_folder")\\Cintario.exe\")" \
  'y sus archivos no se pueden cambiar mientras lo usas.' \
  'Ciérralo y vuelve a intentarlo, o cancela para salir sin instalar. No se ha modificado nada.'
screenshot "$build/screenshots/cintario-wine-installer-waits.png"
[ "$(program_files)" = "$program_files_before" ] || fail "the installer changed the program folder before asking"
# Closed as its window's close button closes it, then tried again.
"$wine" taskkill /im Cintario.exe >/dev/null 2>&1
wait_until count_is main_windows 0 || fail "Cintario did not close"
focus_desktop
keys Return
finished() { [[ "$(installer_message)" == *Completad* ]]; }
wait_until finished || { screenshot "$build/screenshots/cintario-wine-installer-not-done.png"; fail "the installer did not finish"; }
keys Return
wait_until test -s "$session/installer.status" || fail "the installer did not end"
[ "$(cat "$session/installer.status")" = 0 ] && is_the_newer_version \
  || fail "the installer that waited ended with $(cat "$session/installer.status")"
echo "shown installer while Cintario runs: said so in Spanish, waited, installed once it was closed"

"$wine" "$program_folder/Desinstalar.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
wait_until test ! -e "$program_folder" || fail "left after uninstalling: $(find "$program_folder")"
[ -z "$(uninstall_entry DisplayName)" ] || fail "the uninstaller left its entry under HKCU"
[ "$(user_files)" = "$user_files_before" ] || fail "the uninstaller changed the user's folder: $(ls -la "$user_folder")"
echo "uninstalled; \"Películas\" as it was"
