#!/usr/bin/env bash
# Cintario as a Windows user gets it, under wine64 in a real X server and
# inside Wine's virtual desktop (without it a minimized Notepad stays mapped
# over the program's window and takes its clicks): the installer run silently
# (for this user alone: into the user's programs folder, its entry under HKCU),
# the program started from its Start-menu shortcut, a film typed in, the
# listing by title written (Ctrl+K, Return) and compared byte for byte with
# the one the Linux tests expect, Notepad started on it minimized, a double
# click on the title (of the first film by title) handing the web search to ShellExecuteA (seen in Wine's
# trace of that call and by a stand-in browser), Ctrl+F1, and the silent
# uninstaller, which must leave the user's catalogue alone. Before that, a
# catalogue still in Access format is converted at the first start; and while
# the window is up, a second copy of the program is refused and ends, touching
# nothing.
# Usage: installed-program-under-wine.sh BUILD_DIR
source "$(dirname "$0")/wine-session.sh"
build="$(cd "$1" && pwd)"
top="$(cd "$(dirname "$0")/../../.." && pwd)"
installer=$(ls "$build"/Cintario-*-instalador.exe)
expected="$top/catalogue/reports/testdata/Peliculas_Ordenadas_Por_Titulo.TxT"
report=Peliculas_Ordenadas_Por_Titulo.TxT

start_x
make_prefix
use_virtual_desktop 1024x768
install_test_tools "$build"
"$wine" reg add 'HKCR\https\shell\open\command' /ve /d '"C:\tools\record-link.exe" "%1"' /f >/dev/null 2>&1

notepad_windows() { windows | grep -aF "$report"; }
# What the message box in front says: a Qt message box on Windows copies its
# title, text and buttons to the clipboard on Ctrl+C.
message_text() {
  keys ctrl+c
  sleep 0.3
  "$wine" 'C:\tools\print-clipboard.exe' 2>/dev/null | tr -d '\r'
}

"$wine" "$installer" /S >/dev/null 2>&1 || fail "the installer failed"
installed_for_the_user
shortcut=$(find "$drive_c/users" -path '*/Start Menu/Programs/Cintario.lnk' -print -quit)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
user_folder="$(readlink -f "$drive_c/users/$(id -un)/Documents")/Películas"
[ -d "$user_folder" ] || fail "the installer did not make $user_folder"

# A catalogue kept in Access 97 format (Jet 3, its text in Windows-1252),
# written by the tests' generator under Wine: the first start converts it, says
# so, keeps the original byte for byte beside it and opens the window on it.
films=300
(cd "$user_folder" && WINEPATH="$(windows_path "$program_folder")" \
   "$wine" "$build/catalogue/jet/make-jet-catalogue.exe" jet3 $films Peliculas.mdb) || fail "no Jet catalogue was made"
jet=$(sha256sum <"$user_folder/Peliculas.mdb")
"$wine" start "$(windows_path "$shortcut")"
wait_until count_is main_windows 1 || { windows >&2; fail "no message about the Access catalogue"; }
sleep 1
message=$(main_windows)
shown=$(message_text)
says "$shown" "$title" 'El catálogo "Peliculas.mdb" de la carpeta' 'Películas' \
  "era una base de datos de Access 97 (Jet 3) y se ha convertido al formato de este programa, con $films películas." \
  'con el nombre "Peliculas (Jet original).mdb"' 'Aceptar'
screenshot "$build/screenshots/cintario-wine-jet-converted.png"
keys Return
the_window_after() { main_windows | awk -F'\t' -v h="$1" '$6 != h' | grep -q .; }
wait_until the_window_after "$(field 6 "$message")" || { windows >&2; fail "no window after the conversion"; }
sleep 1
screenshot "$build/screenshots/cintario-wine-jet-window.png"
[ "$(sha256sum <"$user_folder/Peliculas (Jet original).mdb")" = "$jet" ] || fail "the Access original was not kept as it was"
[ "$(sqlite3 "$user_folder/Peliculas.mdb" 'SELECT count(*) FROM Pelis')" = $films ] \
  && [ "$(sqlite3 "$user_folder/Peliculas.mdb" 'SELECT titulo || "|" || director FROM Pelis WHERE idzefo = 1')" \
       = '¿Dónde está mi coche, tío? — Versión extendida|Pedro Almodóvar' ] \
  || fail "the converted catalogue is not the Access one: $(sqlite3 "$user_folder/Peliculas.mdb" 'SELECT * FROM Pelis LIMIT 2')"
xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -n1)"
sleep 0.5
keys ctrl+F1
wait_until count_is main_windows 0 || fail "Ctrl+F1 did not end the program"
echo "Access 97 catalogue of $films films converted at the first start, its original kept byte for byte"
rm "$user_folder/Peliculas.mdb" "$user_folder/Peliculas (Jet original).mdb"

# The user's catalogue: the films the expected listing was written for, but
# for Alien, which is typed in below.
sqlite3 "$user_folder/Peliculas.mdb" <<'SQL'
CREATE TABLE Pelis (idzefo INTEGER, titulo TEXT, "duración" TEXT, tipopeli TEXT, director TEXT,
                    totalcds INTEGER, codec TEXT);
INSERT INTO Pelis VALUES (3, 'El Espíritu De La Colmena', '01:37:00', 'Screener – Pequeño', 'Víctor Erice', 0, 'XviD');
INSERT INTO Pelis VALUES (7, 'Mar Adentro', '02:05:00', 'DVD-Rip', 'Alejandro Amenábar', 2, 'DivX 6');
INSERT INTO Pelis VALUES (25, 'Abre Los Ojos', '', 'DVD', 'Alejandro Amenábar', 3, 'XviD');
INSERT INTO Pelis VALUES (9, 'Hero 英雄 🎬', '01:39:00', 'DVD-Rip', 'Zhang Yimou', NULL, 'H.264');
SQL

# Started as the Start menu starts it: through the shortcut, in its folder.
WINEDEBUG=trace+exec "$wine" start "$(windows_path "$shortcut")" 2>"$session/trace.log"
wait_until count_is main_windows 1 || { windows >&2; fail "the main window did not appear"; }
main=$(main_windows)
[[ "$(field 2 "$main")" == "$(windows_path "$program_folder")\Cintario.exe" ]] || fail "window of $(field 2 "$main")"
echo "window shown: $main"
source "$(dirname "$0")/ui-automation.sh"
xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -n1)"
sleep 1

# A second copy started on the same catalogue says it is open in the other
# window and ends with status 1 once told, leaving the catalogue as it was.
catalogue_before=$(sha256sum "$user_folder/Peliculas.mdb")
(cd "$user_folder" && { status=0; "$wine" "$program_folder/Cintario.exe" || status=$?; echo $status >"$session/second-copy.status"; }) &
wait_until count_is main_windows 2 || { windows >&2; fail "the second copy showed no message"; }
sleep 1
shown=$(message_text)
says "$shown" "$title" '"Peliculas.mdb"' 'ya está abierto en otra ventana de este programa' 'Aceptar'
screenshot "$build/screenshots/cintario-wine-second-copy.png"
keys Return
wait_until test -s "$session/second-copy.status" || fail "the second copy did not end"
[ "$(cat "$session/second-copy.status")" = 1 ] || fail "the second copy ended with $(cat "$session/second-copy.status")"
[ "$(sha256sum "$user_folder/Peliculas.mdb")" = "$catalogue_before" ] && [ "$(ls -A "$user_folder")" = Peliculas.mdb ] \
  || fail "the second copy changed the user's folder: $(ls -A "$user_folder")"
count_is main_windows 1 || fail "the first window is gone"
echo "second copy refused while the first runs; catalogue untouched"
xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -n1)"

add_film 12 Alien 01:57:00 DVD-Rip 'Ridley Scott' 1 'DivX 5.1'
keys ctrl+k
wait_until count_is main_windows 2 || fail "no message after Ctrl+K"
screenshot "$build/screenshots/cintario-wine-listing-message.png"
keys Return
wait_until count_is notepad_windows 1 || { windows >&2; fail "no Notepad on $report"; }
notepad=$(notepad_windows)
[[ "$(field 2 "$notepad")" == 'C:\windows\notepad.exe' ]] || fail "the report was opened by $(field 2 "$notepad")"
[ "$(field 3 "$notepad")" = 1 ] || fail "Notepad is not minimized"
echo "Notepad started on the report, minimized: $notepad"
cmp "$user_folder/$report" "$expected" || fail "the listing differs from $expected"
echo "listing byte for byte as expected"

# The title box, 120,32 pixels into the window's drawing, under its menu bar.
corner=$(field 4 "$main") size=$(field 5 "$main")
menu_bar=$(( ${size#*x} - 293 ))
xdotool mousemove $(( ${corner%,*} + 160 )) $(( ${corner#*,} + menu_bar + 41 )) click --repeat 2 --delay 120 1
wait_until test -s "$drive_c/tools/links.txt" || true
screenshot "$build/screenshots/cintario-wine-installed.png"
# After the listing the window browses in title order from its first film.
link='https://www.google.com/search?q=Abre+Los+Ojos+Duracion'
[ "$(cat "$drive_c/tools/links.txt" 2>/dev/null)" = "$link" ] \
  || fail "the browser got '$(cat "$drive_c/tools/links.txt" 2>/dev/null)', not '$link'"
# Wine traces the call as: owner,operation,file,parameters,folder,show command.
call=$(grep -a 'trace:exec:ShellExecuteA ' "$session/trace.log" | head -n1)
arguments=${call#*ShellExecuteA }
owner=${arguments%%,*}
if [ -z "$call" ] || [ $(( 16#$owner )) != $(( 16#$(field 6 "$main") )) ] \
   || [ "${arguments#*,}" != '(null),"'"$link"'",(null),"C:\\",1' ]; then
  fail "ShellExecuteA called as: '$arguments' (main window $(field 6 "$main"))"
fi
echo "ShellExecuteA(main window, null, \"$link\", null, \"C:\\\", 1) opened the stand-in browser"

# Starting the browser takes the focus away, at a moment of its own (at times
# only after the link is recorded): a click on the caption gives it back, once
# more if Ctrl+F1 did not arrive.
click_caption_and_quit() {
  xdotool mousemove $(( ${corner%,*} + 100 )) $(( ${corner#*,} - 10 )) click 1
  sleep 0.5
  keys ctrl+F1
  for _ in $(seq 10); do count_is main_windows 0 && return 0; sleep 0.5; done
  return 1
}
click_caption_and_quit || click_caption_and_quit || click_caption_and_quit || fail "Ctrl+F1 did not end the program"
catalogue_before=$(sha256sum "$user_folder/Peliculas.mdb")

"$wine" "$program_folder/Desinstalar.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
# The uninstaller goes on from a copy of itself in the temporary folder.
wait_until test ! -e "$program_folder" || fail "left after uninstalling: $(find "$program_folder")"
[ ! -e "$shortcut" ] && [ -z "$(uninstall_entry DisplayName)" ] || fail "the uninstaller left the shortcut or its entry"
[ "$(sha256sum "$user_folder/Peliculas.mdb")" = "$catalogue_before" ] && [ -f "$user_folder/$report" ] \
  || fail "the uninstaller touched the user's folder"
[ "$(sqlite3 "$user_folder/Peliculas.mdb" 'SELECT titulo FROM Pelis WHERE idzefo = 12')" = Alien ] \
  || fail "the film typed in is not in the catalogue"
echo "installed, run from its shortcut and uninstalled under Wine; the user's catalogue kept"
