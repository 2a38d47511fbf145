#!/usr/bin/env bash
# Started in a folder whose "Peliculas.mdb" is a Jet 3 (Access 97) catalogue
# of 5,000 films, the program says it converted it and where the original
# went, then shows the first film with its accents; the original is kept byte
# for byte and the new catalogue holds every film.
# Usage: converts-a-jet-catalogue.sh BUILD_DIR
source "$(dirname "$0")/xvfb-session.sh"
build="$1"
enter_work_folder
"$build/catalogue/jet/make-jet-catalogue" jet3 5000 Peliculas.mdb
original=$(sha256sum < Peliculas.mdb)

start_x
"$build/catalogue/app/cintario" >app.log 2>&1 &
app_pid=$!
window=none # no main window yet: any window of the program is the message
message=$(wait_dialog 'Brisvel')
screenshot "$build/screenshots/cintario-jet-converted.png"
# Only the message is up: the window comes when it is closed.
[ "$(xdotool search --onlyvisible --name 'Brisvel' | wc -l)" = 1 ] || { echo "more than the message is shown" >&2; exit 1; }
keys Return
wait_closed "$message"

window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Brisvel' | head -n1)
[ -n "$window" ] || { echo "the main window did not appear" >&2; cat app.log >&2; exit 1; }
focus_main_window
screenshot "$build/screenshots/cintario-jet-first-film.png" 520x330+0+0

# The title box shows the first film: one click into it (a double click would
# search the web), then select its text from start to end, which X hands out
# as the primary selection (Ctrl+A and Ctrl+C are menu shortcuts here).
# The box lies 480 twips (32 pixels) below the menu bar's 18 pixels.
xdotool mousemove --window "$window" 200 59 click 1
sleep 0.3
keys Home shift+End
shown=$(xclip -o -selection primary)
expected='¿Dónde está mi coche, tío? — Versión extendida'
[ "$shown" = "$expected" ] || { echo "title shown: '$shown', expected '$expected'" >&2; exit 1; }

keys ctrl+F1
wait_for_exit

[ "$(sha256sum < 'Peliculas (Jet original).mdb')" = "$original" ] || { echo "the original was not kept as it was" >&2; exit 1; }
[ "$(sqlite3 Peliculas.mdb 'SELECT count(*) FROM Pelis')" = 5000 ] || { echo "not every film was converted" >&2; exit 1; }
files=$(ls | grep -v app.log | tr '\n' '/')
[ "$files" = "Peliculas (Jet original).mdb/Peliculas.mdb/" ] || { echo "unexpected files: $files" >&2; exit 1; }
echo "converted 5,000 films; first title shown: $shown; original kept byte for byte"
