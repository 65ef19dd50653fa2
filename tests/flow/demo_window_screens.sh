#!/usr/bin/env bash
# Photographs the demo game in a window on a virtual X display: the main menu after the logo
# and the credits, scene 1 after a click on New Game, and scene 1 in debugging mode with the
# notify window expanded and the debug window open. The photographs stay in BUILD/artefacts/
# (main-menu.png, scene-1.png, debug-windows.png) for a person to look at; the test fails when
# the program cannot be photographed or a photograph is one flat colour (nothing drawn).
#
#   tests/flow/demo_window_screens.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

source_dir=$1
build_dir=$2
artefacts="$build_dir/artefacts"
mkdir -p "$artefacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The player writes into its game folder, so it plays a copy.
cp -r "$build_dir/games/demo" "$work/demo"

# The scripts end in a long wait so that the program is still showing its window when the
# photograph is taken.
printf 'wait 6000\nexpect visible MainMenu\nwait 60000\n' > "$work/menu.txt"
printf 'wait 6000\nclick MainMenu.Buttn(2)\nwait 60000\n' > "$work/scene.txt"

# The same game in debugging mode (general field 13 = 1).
"$build_dir/morvane-tool" dump "$work/demo" | sed '0,/"13": *0/s//"13": 1/' > "$work/debug.json"
cp -r "$work/demo" "$work/debug"
"$build_dir/morvane-tool" build "$work/debug.json" "$work/debug"
printf '%s\n' 'wait 6000' 'click MainMenu.Buttn(2)' 'wait 1500' 'click NoWin.CompExp' \
  'click Main.Command1' 'click MvDebug.Check1' 'type MvDebug.QueryFlag 9' 'click MvDebug.Command2' \
  'type MvDebug.LdScn 2' 'click MvDebug.Command1' 'click MvDebug.Command5' 'click Main.Command1' \
  'wait 60000' > "$work/debug.txt"

status=0
shoot() {
  local name=$1 script=$2 game=${3:-$work/demo}
  "$source_dir/scripts/window-screenshot.sh" "$artefacts/$name" --delay 30 --screen 1024x768 -- \
    "$build_dir/morvane-player" "$game" --script "$script" || return 1
  local spread
  spread=$(convert "$artefacts/$name" -format '%[fx:standard_deviation]' info:)
  echo "$name: standard deviation $spread"
  if awk -v s="$spread" 'BEGIN { exit !(s < 0.02) }'; then
    echo "$name is one flat colour: nothing was drawn" >&2
    return 1
  fi
}

shoot main-menu.png "$work/menu.txt" || status=1
shoot scene-1.png "$work/scene.txt" || status=1
shoot debug-windows.png "$work/debug.txt" "$work/debug" || status=1
exit $status
