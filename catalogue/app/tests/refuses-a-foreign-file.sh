#!/usr/bin/env bash
# Started on a "Peliculas.mdb" that is not a catalogue, the program says so in
# a message box, ends when the box is closed, and leaves the file as it was.
# Usage: refuses-a-foreign-file.sh BUILD_DIR
source "$(dirname "$0")/xvfb-session.sh"
build="$1"
enter_work_folder
printf 'Lista de la compra\r\nleche\r\n' > Peliculas.mdb
before=$(sha256sum Peliculas.mdb)

start_x
start_cintario "$build/catalogue/app/cintario"
screenshot "$build/screenshots/cintario-foreign-file.png"
keys Return
wait_for_exit
status=0
wait "$app_pid" || status=$?
[ "$status" = 1 ] || { echo "exit status $status, expected 1" >&2; exit 1; }
[ "$(sha256sum Peliculas.mdb)" = "$before" ] || { echo "the file was changed" >&2; exit 1; }
[ "$(ls | grep -v app.log)" = "Peliculas.mdb" ] || { echo "files were added: $(ls)" >&2; exit 1; }
echo "refused, ended with status 1, file untouched"
