# Helpers for tests that run the Windows build under wine64. Sourced; each test
# gets a new Wine prefix and home in a folder of its own, removed at the end,
# so nothing reaches the user's own home (Wine links "Documents" and the other
# user folders to $HOME) and no menu entries are made on the host.
source "$(dirname "${BASH_SOURCE[0]}")/../../../catalogue/app/tests/xvfb-session.sh"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# A new 64-bit prefix in $session/prefix; its C: drive is $drive_c. With KEEP
# set, the session's folder stays afterwards, to be looked into.
make_prefix() {
  session=$(mktemp -d)
  [ -n "${KEEP:-}" ] || trap 'stop_x; WINEPREFIX="$session/prefix" "$wineserver" -k 2>/dev/null || true; rm -rf "$session"' EXIT
  mkdir "$session/home"
  # Wine names Linux files in the locale's encoding: UTF-8, or "Películas" cannot be made.
  export HOME="$session/home" WINEPREFIX="$session/prefix" WINEARCH=win64 WINEDEBUG=-all LANG=C.UTF-8
  # No Mono or Gecko download dialogs, no host menu entries.
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  "$wine" wineboot -i >/dev/null 2>&1
  "$wineserver" -w
  drive_c="$WINEPREFIX/drive_c"
}

# Every program runs inside one virtual desktop of the given size, as
# winecfg's "Emulate a virtual desktop" sets it up; it applies from the next
# start of Wine, so the running wineserver is waited out.
use_virtual_desktop() {
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$1" /f >/dev/null 2>&1
  "$wineserver" -w
}

# The Windows form of a host path.
windows_path() { "$wine" winepath -w "$1" 2>/dev/null; }
