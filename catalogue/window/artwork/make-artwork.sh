#!/usr/bin/env bash
# Draws the catalogue's artwork with ImageMagick and writes it next to this
# script: the logo (a film reel with "^B^", 65 x 66 JPEG, shown on black in
# the main and the about window), the about window's 16-colour icon
# (32 x 32 and 16 x 16), PNG copies of the icon's two sizes, and the program
# icon at the sizes desktops use (program-SIZE.png, program.ico).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
font="DejaVu-Sans-Bold"

# A reel on a 4x canvas, scaled down at the end for smooth edges: a silver
# rim, five dark sprocket holes round a hub, and a strip of film leaving it.
reel() { # size outfile
  local s=$1 c=$(( $1 / 2 )) r=$(( $1 * 44 / 100 )) hole=$(( $1 * 9 / 100 )) orbit=$(( $1 * 25 / 100 ))
  local holes=()
  for angle in 270 342 54 126 198; do
    local x y
    x=$(awk -v c="$c" -v o="$orbit" -v a="$angle" 'BEGIN { printf "%d", c + o * cos(a * 3.14159265 / 180) }')
    y=$(awk -v c="$c" -v o="$orbit" -v a="$angle" 'BEGIN { printf "%d", c + o * sin(a * 3.14159265 / 180) }')
    holes+=(-draw "circle $x,$y $((x + hole)),$y")
  done
  convert -size "${s}x${s}" xc:black \
    -fill '#b8b8c8' -stroke '#ffd700' -strokewidth $(( s / 40 + 1 )) -draw "circle $c,$c $((c + r)),$c" \
    -stroke none -fill '#101018' "${holes[@]}" \
    -fill '#ffd700' -draw "circle $c,$c $((c + s / 18)),$c" \
    "$2"
}

# Logo: the reel in the upper part with a strip of film running off to the
# right, "^B^" in yellow across the bottom.
reel 188 "$tmp/reel.png"
convert -size 260x264 xc:black \
  \( "$tmp/reel.png" \) -geometry +30+2 -composite \
  -fill '#ff2020' -draw "rectangle 204,110 259,140" \
  -fill black -draw "rectangle 212,116 222,134" -draw "rectangle 232,116 242,134" \
  -draw "rectangle 252,116 259,134" \
  -font "$font" -pointsize 78 -fill '#ffff00' -stroke '#806000' -strokewidth 2 \
  -gravity south -annotate +0-4 '^B^' "$tmp/logo.miff"
convert "$tmp/logo.miff" -resize 65x66\! -strip -quality 92 -sampling-factor 1x1 "$here/logo.jpg"

# Icon: the reel alone, reduced to 16 colours at each size.
for size in 32 16; do
  reel $(( size * 8 )) "$tmp/icon.png"
  convert "$tmp/icon.png" -resize "${size}x${size}" -dither None -colors 16 \
    -strip "PNG8:$here/about-$size.png"
done
convert "$here/about-32.png" "$here/about-16.png" -type Palette -colors 16 "$here/about.ico"

# Program icon (desktop menus, the Windows program and its shortcut): the logo
# on a black square with rounded corners; at 32 pixels and below the reel
# alone, as "^B^" could not be read there.
convert "$tmp/logo.miff" -gravity center -background black -extent 264x264 "$tmp/logo-square.miff"
icons=()
for size in 16 24 32 48 64 128 256; do
  if [ "$size" -le 32 ]; then
    reel $(( size * 8 )) "$tmp/program-source.png"
  else
    cp "$tmp/logo-square.miff" "$tmp/program-source.png"
  fi
  corner=$(( size / 8 ))
  convert "$tmp/program-source.png" -resize "${size}x${size}" \
    \( -size "${size}x${size}" xc:none -fill white \
       -draw "roundrectangle 0,0 $(( size - 1 )),$(( size - 1 )) $corner,$corner" \) \
    -compose DstIn -composite -strip "PNG32:$here/program-$size.png"
  icons+=("$here/program-$size.png")
done
convert "${icons[@]}" "$here/program.ico"
