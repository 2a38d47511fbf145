#!/usr/bin/env bash
# The Debian package as built passes lintian without an error or a warning.
# lintian's report is read tag by tag (its exit status depends on its options
# and version) and shown whole, information and pedantic notes included.
# Usage: lintian-clean.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
deb=$(ls "$build"/cintario_*_*.deb)

# With --fail-on none, a status other than 0 means lintian itself failed.
status=0
report=$(lintian --fail-on none --display-info --pedantic "$deb") || status=$?
echo "$report"
[ "$status" = 0 ] || { echo "lintian could not check $deb (exit $status)" >&2; exit 1; }
if grep -q '^[EW]: ' <<<"$report"; then
  echo "lintian: errors or warnings on $deb:" >&2
  grep '^[EW]: ' <<<"$report" >&2
  exit 1
fi
echo "lintian: no error and no warning on $deb"
