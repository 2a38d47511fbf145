# Helpers for the tests of the installed Debian package, run as root: apt-get
# without questions, and the installed program started by an unprivileged user
# in a fresh home, in the X server of xvfb-session.sh. Sourced.
source "$(dirname "${BASH_SOURCE[0]}")/../../../catalogue/app/tests/xvfb-session.sh"
[ "$(id -u)" = 0 ] || { echo "this test installs a package: run it as root" >&2; exit 1; }
apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq "$@"; }

# A new home of the user "nobody" in $home; at the end it goes, with the X
# server and the package.
make_home() {
  home=$(mktemp -d)
  chown nobody "$home"
  trap 'stop_x; rm -rf "$home"; apt purge cintario >/dev/null 2>&1 || true' EXIT
}

# as_user FOLDER COMMAND...: starts the command in the folder as that user, in
# the background ($app_pid), with a D-Bus session bus of its own as a desktop
# session has one. Without it Qt's D-Bus starts a bus through dbus-launch where
# dbus-x11 is installed, and that bus outlives the program (a traced program
# then never ends); dbus-run-session ends its bus with the program.
as_user() {
  (cd "$1" && shift && runuser -u nobody -- env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin \
    LANG=C.UTF-8 dbus-run-session -- "$@" >>"$home/app.log" 2>&1) &
  app_pid=$!
}

wait_window() {
  window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Brisvel' | head -n1)
  [ -n "$window" ] || { echo "the main window did not appear" >&2; cat "$home/app.log" >&2; return 1; }
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

quit() {
  keys ctrl+F1
  wait_for_exit
}

# The command of the installed menu entry.
menu_command() { sed -n 's/^Exec=//p' /usr/share/applications/cintario.desktop; }
