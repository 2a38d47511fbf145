#!/usr/bin/env bash
# Two copies of the program on one catalogue, in a real X server: the second
# says in a message box that the catalogue is open in another window and ends
# when it is closed, touching nothing. Then a codec is typed into the first
# window and SIGTERM (as at logout) ends it: the codec is stored as on
# "Salir", and the catalogue file is the only file left in the folder.
# Usage: second-copy-and-logout.sh BUILD_DIR
source "$(dirname "$0")/xvfb-session.sh"
build="$1"
enter_work_folder
logs=$(mktemp -d)
trap 'stop_x; rm -rf "$work" "$logs"' EXIT
sqlite3 Peliculas.mdb <<'SQL'
CREATE TABLE Pelis (idzefo INTEGER, titulo TEXT, "duración" TEXT, tipopeli TEXT, director TEXT,
                    totalcds INTEGER, codec TEXT);
INSERT INTO Pelis VALUES (1, 'Alien', '01:57:00', 'DVD-Rip', 'Ridley Scott', 1, 'DivX 5.1');
SQL
before=$(sha256sum Peliculas.mdb)

start_x
"$build/catalogue/app/cintario" >"$logs/first.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Brisvel' | head -n1)
[ -n "$window" ] || { echo "the first window did not appear" >&2; exit 1; }

"$build/catalogue/app/cintario" >"$logs/second.log" 2>&1 &
second=$!
wait_dialog "Brisvel" >/dev/null
screenshot "$build/screenshots/cintario-second-copy.png"
keys Return
for _ in $(seq 50); do
  kill -0 "$second" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$second" 2>/dev/null && { echo "the second copy did not end" >&2; kill "$second"; exit 1; }
status=0
wait "$second" || status=$?
[ "$status" = 1 ] || { echo "the second copy ended with status $status, expected 1" >&2; exit 1; }
[ "$(sha256sum Peliculas.mdb)" = "$before" ] || { echo "the second copy changed the catalogue" >&2; exit 1; }
[ "$(ls -A)" = "Peliculas.mdb" ] || { echo "files appeared: $(ls -A)" >&2; exit 1; }

# Box g (the codec) lies at 4920, 1560 twips of the client area, under the menu bar.
focus_main_window
menu_bar=$(( $(xwininfo -id "$window" | awk '/Height:/ {print $2}') - 293 ))
xdotool mousemove --window "$window" $((328 + 30)) $((104 + 9 + menu_bar)) click 1
sleep 0.3
keys End shift+Home
xdotool type --delay 40 'H.265'
kill -TERM "$app_pid"
wait_for_exit
status=0
wait "$app_pid" || status=$?
[ "$status" = 0 ] || { echo "SIGTERM ended the program with status $status" >&2; cat "$logs/first.log" >&2; exit 1; }
codec=$(sqlite3 Peliculas.mdb "SELECT codec FROM Pelis WHERE idzefo = 1")
[ "$codec" = "H.265" ] || { echo "stored codec '$codec', expected 'H.265'" >&2; exit 1; }
[ "$(ls -A)" = "Peliculas.mdb" ] || { echo "files left beside the catalogue: $(ls -A)" >&2; exit 1; }
echo "second copy refused, catalogue untouched; SIGTERM kept the codec typed in the first window"
