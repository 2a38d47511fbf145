#!/usr/bin/env bash
# The portable zip under wine64: it holds the program folder alone, and
# unpacked anywhere and started from its own folder (as a double click in the
# file explorer starts it), Cintario makes its catalogue beside itself.
# Usage: portable-zip-under-wine.sh BUILD_DIR
source "$(dirname "$0")/wine-session.sh"
build="$(cd "$1" && pwd)"
zip=$(ls "$build"/Cintario-*-portable.zip)

start_x
make_prefix
use_virtual_desktop 1024x768
install_test_tools "$build"
unpacked="$drive_c/Portable"
mkdir "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
diff -r "$build/Cintario" "$unpacked/Cintario" && [ "$(ls "$unpacked")" = Cintario ] \
  || fail "$(basename "$zip") does not hold the program folder alone"

(cd "$unpacked/Cintario" && "$wine" Cintario.exe >/dev/null 2>&1) &
wait_until count_is main_windows 1 || { windows >&2; fail "the unpacked program did not start"; }
[[ "$(field 2 "$(main_windows)")" == "$(windows_path "$unpacked/Cintario/Cintario.exe")" ]] \
  || fail "the window is not the unpacked program's: $(main_windows)"
focus_desktop
keys ctrl+F1
wait_until count_is main_windows 0 || fail "Ctrl+F1 did not end the program"
[ "$(sqlite3 "$unpacked/Cintario/Peliculas.mdb" 'SELECT count(*) FROM Pelis')" = 0 ] \
  || fail "no new catalogue beside the program: $(ls "$unpacked/Cintario")"
echo "$(basename "$zip"): the program folder alone; started from it, its catalogue beside the program"
