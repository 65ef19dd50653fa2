#!/usr/bin/env bash
# Photographs the demo game in a window on a virtual X display: the main menu after the logo
# and the credits, scene 1 after a click on New Game, the save dialog over scene 1 with a name
# typed, the load dialog with a saved game chosen and the picture kept with it, scene 1 in
# debugging mode with the notify window expanded and the debug window open, each in a system
# window of its own beside the game window, and the intro movie played by the menu's first
# button. The photographs stay in BUILD/artefacts/ (main-menu.png, scene-1.png,
# save-dialog.png, load-dialog.png, debug-windows.png, intro-movie.png) for a person to look
# at; the test fails when the program cannot be
# photographed or a photograph is one flat colour (nothing drawn).
#
#   tests/flow/demo_window_screens.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

source "$(dirname "$0")/../support/window_script.sh"

# The player writes into its game folder, so it plays a copy.
cp -r "$build_dir/games/demo" "$work/demo"

# The scripts end in a long wait so that the program is still showing its window when the
# photograph is taken.
printf 'wait 6000\nexpect visible MainMenu\nwait 60000\n' > "$work/menu.txt"
printf 'wait 6000\nclick MainMenu.Buttn(2)\nwait 60000\n' > "$work/scene.txt"
# The intro movie lasts six seconds from the click.
printf 'wait 6000\nclick MainMenu.Buttn(1)\nwait 60000\n' > "$work/intro.txt"
# The dialogs come later in a run, and a busy machine makes the start-up slower: their scripts
# leave the start-up more time and are photographed later.
printf '%s\n' 'wait 12000' 'click MainMenu.Buttn(2)' 'wait 4000' 'click Main.SaveGameButtn' \
  'wait 500' 'type SaveGame.Text1 lighthouse' 'type SaveGame.Text2 Before the storm' \
  'wait 60000' > "$work/save.txt"
printf '%s\n' 'wait 12000' 'click MainMenu.Buttn(3)' 'wait 2000' \
  'select LoadGame.File1 shore.sav' 'wait 60000' > "$work/load.txt"

# A game saved on the shore, headless, for the dialogs to list and the load dialog to show.
printf '%s\n' 'wait 6000' 'click MainMenu.Buttn(2)' 'wait 4000' 'click Main.SaveGameButtn' \
  'wait 300' 'type SaveGame.Text1 shore' 'type SaveGame.Text2 The gull has come' \
  'click SaveGame.ButtnOK' 'wait 300' > "$work/make-save.txt"
"$build_dir/morvane-player" "$work/demo" --headless --script "$work/make-save.txt"
[ -f "$work/demo/Saved/shore.sav" ] && [ -f "$work/demo/Saved/shore.png" ] || {
  echo "the headless run saved no game" >&2
  exit 1
}

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
  local name=$1 script=$2 delay=${3:-10} game=${4:-$work/demo} screen=${5:-1024x768}
  "$source_dir/scripts/window-screenshot.sh" "$artefacts/$name" --delay "$delay" --screen "$screen" -- \
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
shoot save-dialog.png "$work/save.txt" 25 || status=1
shoot load-dialog.png "$work/load.txt" 22 || status=1
# The notify and debug windows open beside the game window, on a screen wide enough for the
# three side by side.
shoot debug-windows.png "$work/debug.txt" 30 "$work/debug" 1920x1080 || status=1
shoot intro-movie.png "$work/intro.txt" 11 || status=1
exit $status
