#!/usr/bin/env bash
# Full screen on a 1920 x 1080 virtual X display with no window manager: the demo's main menu,
# photographed and kept in BUILD/artefacts/fullscreen-1920x1080.png for a person to look at.
# The 800 x 600 picture must fill the screen's height at 1440 x 1080, centred between two black
# bars of 240 columns, with no second picture or stretched edge anywhere.
#
#   tests/player/fullscreen_screen.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

source_dir=$1
build_dir=$2
artefacts="$build_dir/artefacts"
mkdir -p "$artefacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build_dir/games/demo" "$work/demo"
printf 'wait 6000\nexpect visible MainMenu\nwait 60000\n' > "$work/menu.txt"

shot="$artefacts/fullscreen-1920x1080.png"
# No SDL_VIDEODRIVER: the player must find the X display itself.
env -u SDL_VIDEODRIVER "$source_dir/scripts/window-screenshot.sh" "$shot" --delay 10 \
  --screen 1920x1080 -- "$build_dir/morvane-player" --fullscreen "$work/demo" --script "$work/menu.txt"

size=$(identify -format '%w %h' "$shot")
[ "$size" = "1920 1080" ] || { echo "screenshot is $size"; exit 1; }
# The brightest pixel of a column: 0 in the bars, more where the picture is.
column_max() { convert "$shot" -crop "1x1080+$1+0" +repage -format '%[fx:maxima]' info:; }
black() { awk -v v="$(column_max "$1")" 'BEGIN { exit !(v == 0) }'; }
for x in 0 239 1680 1919; do
  black "$x" || { echo "column $x is not black: the picture is wider than 1440"; exit 1; }
done
lit=0
for x in 240 600 960 1300 1679; do
  black "$x" || lit=$((lit + 1))
done
[ "$lit" -ge 4 ] || { echo "the picture does not fill columns 240 to 1679"; exit 1; }
geometry=$(convert "$shot" -trim -format '%w x %h at %X %Y' info:)
echo "picture: $geometry"
