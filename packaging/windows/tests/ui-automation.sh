# Sourced by installed-program-under-wine.sh while the main window is up: the
# window as UI Automation gives it to a screen reader, read from another
# process. Wine 8's uiautomationcore answers for the window's own element,
# which only Qt's accessibility provides (without it Wine has no element at
# all), but not yet for the controls inside it: asked for the first of them,
# the program's UI thread and Wine's provider thread wait for each other and
# the program hangs, so the boxes' names are not read here (see the README).
cp "$build/packaging/windows/tests/uia-window.exe" "$drive_c/tools/"
uia=$(timeout 30 "$wine" 'C:\tools\uia-window.exe' "$title" 2>&1 | tr -d '\r') \
  || fail "UI Automation did not answer for the main window: $uia"
[ "$uia" = "Window	1	$title" ] || fail "UI Automation reads the main window as '$uia'"
echo "UI Automation reads the main window as a window named '$title'"
