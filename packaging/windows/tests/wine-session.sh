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

# A value of Cintario's uninstall entry, which belongs under HKCU (the user's
# own "Apps"); nothing when there is none.
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Cintario'
uninstall_entry() {
  "$wine" reg query "HKCU\\$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}
# Fails unless Cintario is installed for this user alone, in the user's own
# programs folder ($program_folder), with its entry under HKCU and none for all users.
installed_for_the_user() {
  program_folder="$drive_c/users/$(id -un)/AppData/Local/Programs/Cintario"
  [ -f "$program_folder/Cintario.exe" ] || fail "nothing installed in $program_folder"
  [ "$(uninstall_entry InstallLocation)" = "$(windows_path "$program_folder")" ] \
    || fail "the uninstall entry under HKCU names '$(uninstall_entry InstallLocation)'"
  ! "$wine" reg query "HKLM\\$uninstall_key" >/dev/null 2>&1 && [ ! -e "$drive_c/Program Files/Cintario" ] \
    || fail "Cintario was installed for all users"
}

# The title of Cintario's main window and message boxes.
title='^Brisvel^ Catálogo Divx'
fail() { echo "$*" >&2; exit 1; }

# The helper programs of these tests, built with the program, into C:\tools.
install_test_tools() {
  mkdir -p "$drive_c/tools"
  cp "$1"/packaging/windows/tests/{list-windows,record-link,print-clipboard,dialog-text}.exe "$drive_c/tools/"
}

# Visible top-level windows inside the desktop: title, program, minimized,
# client corner, client size, handle (tab-separated).
windows() { "$wine" 'C:\tools\list-windows.exe' 2>/dev/null | tr -d '\r'; }
main_windows() { windows | awk -F'\t' -v t="$title" '$1 == t'; }
field() { cut -f"$1" <<<"$2"; }
# Runs a command every half second until it succeeds, for 30 s at the most.
wait_until() {
  for _ in $(seq 60); do "$@" && return 0; sleep 0.5; done
  return 1
}
count_is() { [ "$("$1" | wc -l)" = "$2" ]; }

# Fails unless the text holds every one of the given pieces.
says() {
  local text=$1 piece
  shift
  for piece in "$@"; do
    [[ "$text" == *"$piece"* ]] || fail "the message does not say '$piece': $text"
  done
}

# Gives the keyboard to the virtual desktop, whose front window then gets the keys.
focus_desktop() {
  xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -n1)"
  sleep 0.5
}
