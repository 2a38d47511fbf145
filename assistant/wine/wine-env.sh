# Sourced by Gesticon's Wine scripts (preparing a prefix, running tests in
# one): the Wine commands, the environment every run has, and the helpers
# they share. Expects $prefix to name the prefix.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -x "$wine" ] || { echo "$0: $wine not found (Debian package wine64)" >&2; exit 2; }
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# No window opens unless a script gives Wine a screen of its own, and the
# control's stand-in starts from its defaults.
unset DISPLAY WAYLAND_DISPLAY AGENT_STANDIN_FAIL AGENT_STANDIN_BALLOON_STYLE AGENT_STANDIN_JOURNAL

# A Linux path as the prefix sees it, on drive Z:.
windows_path() { local p="$1"; echo "Z:${p//\//\\}"; }

regsvr() {
  "$wine" regsvr32 /s "$@" >/dev/null 2>&1 || { echo "$0: regsvr32 $* failed" >&2; return 1; }
}

# Creates the prefix unless it is there already (takes a while the first time).
create_prefix() {
  [ -f "$prefix/system.reg" ] && [ -f "$prefix/drive_c/windows/system32/regsvr32.exe" ] && return 0
  echo "$0: creating the Wine prefix $prefix"
  "$wine" wineboot -i >/dev/null 2>&1 || { echo "$0: wineboot failed in $prefix" >&2; exit 1; }
  "$wineserver" -w
}

# Ends the script unless the prefix has been prepared.
require_prefix() {
  [ -f "$prefix/system.reg" ] || { echo "$0: $prefix is not a prepared prefix" >&2; exit 2; }
}
