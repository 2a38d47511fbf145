#!/usr/bin/env bash
# Runs the unit tests built for Windows (listed in BUILD_DIR/unit-tests.txt)
# under wine64, with the DLLs of the program folder. Each must exit 0 and
# end with GoogleTest's own "[  PASSED  ]" line: a test program that died half
# way does not count as passed.
# Usage: run-unit-tests-under-wine.sh BUILD_DIR
source "$(dirname "$0")/wine-session.sh"
build="$(cd "$1" && pwd)"
make_prefix
WINEPATH="$(windows_path "$build/Cintario")"
export WINEPATH
# One Wine server for the whole run: one that ends between two programs may
# take the next one down with it ("wine client error: ... Connection reset by peer").
"$wineserver" -w
"$wineserver" -p

passed=0 failed=0
while read -r name; do
  exe=$(find "$build/catalogue" -name "$name.exe" -print -quit)
  [ -n "$exe" ] || { echo "$name.exe was not built" >&2; exit 1; }
  log="$build/$name.wine.log"
  # From the test's own folder, on Wine's Z: drive, as ctest runs it on Linux.
  run() {
    status=0
    (cd "$(dirname "$exe")" && "$wine" "$exe" --gtest_brief=1) >"$log" 2>&1 || status=$?
  }
  run
  # Wine's own server gone is not the test's failure: that program runs once more.
  if [ "$status" != 0 ] && grep -aq '^wine client error' "$log"; then
    echo "under Wine: $name lost Wine's server; run again" >&2
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w
    "$wineserver" -p
    run
  fi
  # A program that died half-way wrote neither line.
  summary=$(grep -a '^\[  PASSED  \]\|^\[  FAILED  \] [0-9]* test' "$log" | tail -n1 || true)
  if [ "$status" = 0 ] && [[ "$summary" == "[  PASSED  ]"* ]]; then
    passed=$((passed + 1))
    echo "under Wine: $name: ${summary#'[  PASSED  ] '}"
  else
    failed=$((failed + 1))
    grep -a -B2 -A12 '^\[  FAILED  \]\|Failure' "$log" | head -n 80 >&2 || tail -n 40 "$log" >&2
    echo "under Wine: $name FAILED (exit $status; whole output in $log)" >&2
  fi
done <"$build/unit-tests.txt"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ] && [ "$passed" -gt 0 ]
