#!/usr/bin/env bash
# Keyboard only, in a real X server: Ctrl+K writes the listing by title of a
# known catalogue, Return closes the confirmation, and the report goes to the
# desktop's viewer. The file must equal the expected one byte for byte, and
# the viewer (a stand-in xdg-open that only notes how it was started) must
# get the file name relative to the catalogue's folder.
# Usage: keyboard-listing-report.sh BUILD_DIR EXPECTED_REPORT
source "$(dirname "$0")/xvfb-session.sh"
build="$1"
expected="$2"
report=Peliculas_Ordenadas_Por_Titulo.TxT
enter_work_folder

# The catalogue the expected reports were written for.
sqlite3 Peliculas.mdb <<'SQL'
CREATE TABLE Pelis (idzefo INTEGER, titulo TEXT, "duración" TEXT, tipopeli TEXT, director TEXT,
                    totalcds INTEGER, codec TEXT);
INSERT INTO Pelis VALUES (12, 'Alien', '01:57:00', 'DVD-Rip', 'Ridley Scott', 1, 'DivX 5.1');
INSERT INTO Pelis VALUES (3, 'El Espíritu De La Colmena', '01:37:00', 'Screener – Pequeño', 'Víctor Erice', 0, 'XviD');
INSERT INTO Pelis VALUES (7, 'Mar Adentro', '02:05:00', 'DVD-Rip', 'Alejandro Amenábar', 2, 'DivX 6');
INSERT INTO Pelis VALUES (25, 'Abre Los Ojos', '', 'DVD', 'Alejandro Amenábar', 3, 'XviD');
INSERT INTO Pelis VALUES (9, 'Hero 英雄 🎬', '01:39:00', 'DVD-Rip', 'Zhang Yimou', NULL, 'H.264');
SQL

mkdir "$work/viewer"
cat > "$work/viewer/xdg-open" <<'STUB'
#!/bin/sh
printf '%s|%s\n' "$PWD" "$*" >> "$VIEWER_LOG"
# A viewer stays open; the program must not wait for it.
sleep 20
STUB
chmod +x "$work/viewer/xdg-open"
export VIEWER_LOG="$work/viewer/started"
export PATH="$work/viewer:$PATH"

start_x
start_cintario "$build/catalogue/app/cintario"
keys ctrl+k
sleep 0.5
screenshot "$build/screenshots/cintario-keyboard-listing.png" 700x420+0+0
[ ! -e "$VIEWER_LOG" ] || { echo "the viewer started before the message was closed" >&2; exit 1; }
keys Return
for _ in $(seq 50); do
  [ -s "$VIEWER_LOG" ] && break
  sleep 0.1
done
# Without a window manager the focus does not return by itself when the box closes.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
keys ctrl+F1
wait_for_exit

cmp "$report" "$expected" || { echo "the report differs from $expected" >&2; exit 1; }
[ "$(cat "$VIEWER_LOG" 2>/dev/null)" = "$work|$report" ] \
  || { echo "viewer started as: '$(cat "$VIEWER_LOG" 2>/dev/null)', expected '$work|$report'" >&2; exit 1; }
echo "report byte for byte as expected; viewer started on $report in the catalogue's folder"
