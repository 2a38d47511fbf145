# Helpers for tests that drive the built program in a real X server (Xvfb).
# Sourced by the test scripts; each test gets its own server and folder.
set -euo pipefail

# The server picks a free display itself (-displayfd), so tests that run at
# the same time never end up sharing one server.
start_x() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$display_file" ]; then
      export DISPLAY=":$(head -n1 "$display_file")"
      rm -f "$display_file"
      xdpyinfo >/dev/null 2>&1 && return 0
      break
    fi
    sleep 0.1
  done
  rm -f "$display_file"
  kill "$xvfb_pid" 2>/dev/null || true
  echo "no X display could be started" >&2
  return 1
}

# A fresh folder to run in ($work), removed with the X server when the test ends.
enter_work_folder() {
  work=$(mktemp -d)
  trap 'stop_x; rm -rf "$work"' EXIT
  cd "$work"
}

stop_x() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}

# Starts the program in the current folder and waits for its main window.
start_cintario() {
  "$1" >app.log 2>&1 &
  app_pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name 'Brisvel' | head -n1)
  [ -n "$window" ] || { echo "the main window did not appear" >&2; cat app.log >&2; return 1; }
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 0.5
}

# Types keys into the focused window, one xdotool key argument at a time.
keys() {
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep 0.15
  done
}

# Adds a film from the keyboard: Alt+A, the seven fields typed in the order of
# the window (number, title, running time, kind, director, CDs, codec; the
# tab stop of "&Grabar Película" before the codec is passed), Alt+G.
add_film() {
  local fields=("$@") i
  keys alt+a
  for i in 0 1 2 3 4 5 6; do
    xdotool type --delay 60 "${fields[$i]}"
    case $i in
      5) keys Tab Tab ;;
      6) ;;
      *) keys Tab ;;
    esac
  done
  keys alt+g
}

# Waits for a dialog of the program (a window other than the main one whose
# name matches) and gives it the focus; prints its id.
# The waits below are long: on a busy machine a start takes seconds, and a
# wait that passes costs nothing.
wait_dialog() {
  local pattern="$1" id
  for _ in $(seq 300); do
    for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
      if [ "$id" != "$window" ]; then
        xdotool windowfocus --sync "$id" 2>/dev/null || true
        sleep 0.2
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  echo "no dialog matching '$pattern' appeared" >&2
  return 1
}

wait_closed() {
  for _ in $(seq 300); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.1
  done
  echo "window $1 did not close" >&2
  return 1
}

# Without a window manager nobody gives the focus back when a dialog closes.
focus_main_window() {
  xdotool windowfocus --sync "$window"
  sleep 0.2
}

wait_for_exit() {
  for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "the program did not end" >&2
  return 1
}

# Saves the screen, or the part given as WIDTHxHEIGHT+X+Y, to a PNG file.
screenshot() {
  mkdir -p "$(dirname "$1")"
  if [ -n "${2:-}" ]; then
    import -window root -crop "$2" "$1"
  else
    import -window root "$1"
  fi
}
