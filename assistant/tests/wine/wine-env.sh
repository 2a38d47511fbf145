# Sourced by the Wine test scripts: the Wine commands and the environment every
# test runs with. Expects $prefix to be set to a prepared prefix.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
[ -f "$prefix/system.reg" ] || { echo "$0: $prefix is not a prepared prefix" >&2; exit 2; }
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset AGENT_STANDIN_FAIL AGENT_STANDIN_BALLOON_STYLE AGENT_STANDIN_JOURNAL

# A Linux path as the prefix sees it, on drive Z:.
windows_path() { local p="$1"; echo "Z:${p//\//\\}"; }

regsvr() {
  "$wine" regsvr32 /s "$@" >/dev/null 2>&1 || { echo "$0: regsvr32 $* failed" >&2; return 1; }
}
