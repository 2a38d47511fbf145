#!/usr/bin/env bash
# Keyboard only, in a real X server: add a film (Alt+A, typing, Alt+G), order
# by title (Ctrl+F), search its director (Ctrl+B and the prompt), then check
# the catalogue file itself.
# Usage: keyboard-add-order-search.sh BUILD_DIR
source "$(dirname "$0")/xvfb-session.sh"
build="$1"
enter_work_folder
"$build/catalogue/store/make-demo-catalogue" Peliculas.mdb >/dev/null

start_x
start_cintario "$build/catalogue/app/cintario"

keys alt+a
xdotool type --delay 40 '30'; keys Tab
xdotool type --delay 40 'Fast & Furious'; keys Tab
xdotool type --delay 40 '1:45:00'; keys Tab
xdotool type --delay 40 'DvD-Rip'; keys Tab
xdotool type --delay 40 "Pat O'Brien"; keys Tab
xdotool type --delay 40 '2'; keys Tab Tab
xdotool type --delay 40 'XviD'
keys alt+g
keys ctrl+f
keys ctrl+b
prompt=$(wait_dialog 'Buscas')
xdotool type --delay 40 "o'brien"
screenshot "$build/screenshots/cintario-search-prompt.png" 700x420+0+0
keys Return
wait_closed "$prompt"
found=$(wait_dialog 'Brisvel')
screenshot "$build/screenshots/cintario-keyboard-search.png" 700x420+0+0
keys Return
wait_closed "$found"
focus_main_window
keys ctrl+F1
wait_for_exit

row=$(sqlite3 -separator '|' Peliculas.mdb "SELECT * FROM Pelis WHERE idzefo = 30")
expected="30|Fast & Furious|01:30:00|DvD-Rip|Pat O'Brien|2|XviD"
[ "$row" = "$expected" ] || { echo "stored: '$row'"; echo "expected: '$expected'"; exit 1; } >&2
[ "$(sqlite3 Peliculas.mdb 'SELECT count(*) FROM Pelis')" = 26 ] || { echo "wrong number of films" >&2; exit 1; }
echo "stored: $row"
