#!/usr/bin/env bash
# Full screen on a 1920 x 1080 virtual X display with no window manager: the demo's main menu,
# photographed and kept in BUILD/artefacts/fullscreen-1920x1080.png for a person to look at.
# The 800 x 600 picture must fill the screen's height at 1440 x 1080, centred between two black
# bars of 240 columns.
#
#   tests/player/fullscreen_screen.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

source "$(dirname "$0")/../support/window_script.sh"
cp -r "$build_dir/games/demo" "$work/demo"
# The menu stays up while the photographs are taken.
printf 'wait 600000\n' > "$work/menu.txt"
shot="$artefacts/fullscreen-1920x1080.png"
rm -f "$shot"

# The photograph is retaken every few seconds until the menu is up (start-up takes its time on
# a loaded machine): the menu's picture reaches both edges of the 1440 columns, the bars stay
# black. No SDL_VIDEODRIVER: the player must find the X display itself.
env -u SDL_VIDEODRIVER xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  player=$1 demo=$2 script=$3 shot=$4
  "$player" --fullscreen "$demo" --script "$script" &
  pid=$!
  column_max() { convert "$shot" -crop "1x1080+$1+0" +repage -format "%[fx:maxima]" info:; }
  lit() { awk -v v="$(column_max "$1")" "BEGIN { exit !(v > 0) }"; }
  status=1
  for attempt in $(seq 1 60); do
    sleep 3
    kill -0 "$pid" 2>/dev/null || { echo "the player ended early"; break; }
    import -window root "$shot" || continue
    if lit 240 && lit 1679 && ! lit 239 && ! lit 1680 && ! lit 0 && ! lit 1919; then
      status=0
      break
    fi
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  exit $status
' fullscreen "$build_dir/morvane-player" "$work/demo" "$work/menu.txt" "$shot" || {
  echo "no photograph showed the picture at 240..1679 between black bars; the last is $shot"
  exit 1
}
echo "$shot: $(convert "$shot" -trim -format '%w x %h at %X%Y' info:)"
