#!/usr/bin/env bash
# Runs one accessibility test, a Python script, on the built program as a
# screen reader meets it: a real X server, a private D-Bus session whose
# accessibility bus (at-spi2-core) is switched on the way a screen reader
# switches it on, and everything read back through AT-SPI.
# Usage: atspi-session.sh BUILD_DIR TEST.py
# The accessibility bus keeps its socket in XDG_RUNTIME_DIR: each session gets
# a folder of its own, or two tests at once would share one bus.
if [ -z "${CINTARIO_ATSPI_SESSION:-}" ]; then
  runtime=$(mktemp -d)
  status=0
  XDG_RUNTIME_DIR="$runtime" CINTARIO_ATSPI_SESSION=1 dbus-run-session -- "$0" "$@" || status=$?
  rm -rf "$runtime"
  exit $status
fi
source "$(dirname "$0")/xvfb-session.sh"
program="$(cd "$1" && pwd)/catalogue/app/cintario"
test="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
enter_work_folder
start_x
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
/usr/bin/python3 "$test" "$program"
