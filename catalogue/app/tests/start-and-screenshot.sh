#!/usr/bin/env bash
# Starts Cintario on the demo catalogue in a real X server, saves a screenshot
# of the window, checks what it shows, and ends the program with Ctrl+F1.
# Usage: start-and-screenshot.sh BUILD_DIR SCREENSHOT_PNG
source "$(dirname "$0")/xvfb-session.sh"
build="$1"
shot="$2"
enter_work_folder
"$build/catalogue/store/make-demo-catalogue" Peliculas.mdb >/dev/null

start_x
start_cintario "$build/catalogue/app/cintario"
screenshot "$shot" 520x330+0+0

# The summary figures are green and the frame lines yellow, on black.
share() { convert "$shot" -fuzz 8% -fill white -opaque "$1" -fill black +opaque white -format '%[fx:mean]' info:; }
green=$(share '#00ff00')
yellow=$(share '#ffff00')
black=$(share '#000000')
echo "screenshot $shot: green $green, yellow $yellow, black $black"
awk -v g="$green" -v y="$yellow" -v b="$black" 'BEGIN { exit !(g > 0.002 && y > 0.002 && b > 0.4) }' \
  || { echo "the window does not look like the catalogue window" >&2; exit 1; }

keys ctrl+F1
wait_for_exit
echo "Ctrl+F1 ended the program"
