#!/usr/bin/env bash
# A walkthrough recorded in the window and replayed headless. On a virtual X display the demo
# game starts from a short script (the start-up, then New Game) that --continue hands over to
# the window, where xdotool plays on as a person would: the pointer onto the oil can and a click
# on it, the save dialog with a name typed and OK, then the same name saved again, which the
# game asks about in a message box answered with Enter. Ctrl+Q ends the run. --record writes it
# all down; the recording, replayed headless on a fresh copy of the game, must hold all its
# expectations and end in the same state line as the window did. The recording stays in
# BUILD/artefacts/recorded-walkthrough.txt for a person to look at.
#
#   tests/player/record_window.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

source "$(dirname "$0")/../support/window_script.sh"

# Each run plays its own copy: saving writes into the game folder.
cp -r "$build_dir/games/demo" "$work/window"
cp -r "$build_dir/games/demo" "$work/replay"
printf '%s\n' 'wait 6000' 'click MainMenu.Buttn(2)' > "$work/start.txt"
recording="$work/recorded.txt"

env -u SDL_VIDEODRIVER xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  player=$1 game=$2 start=$3 recording=$4 out=$5
  "$player" "$game" --log --script "$start" --continue --record "$recording" > "$out" 2>&1 &
  pid=$!
  fail() { echo "record_window: $*" >&2; cat "$out" >&2; kill "$pid" 2>/dev/null; exit 1; }
  # Waits up to $2 seconds for the player to print a line holding $1.
  await() {
    for _ in $(seq 1 "$2"); do
      grep -qF "$1" "$out" && return 0
      kill -0 "$pid" 2>/dev/null || fail "the player ended early"
      sleep 1
    done
    return 1
  }
  await "Scene 1 loaded." 180 || fail "the script never reached scene 1"
  window=$(xdotool search --sync --name "Morvane Player" | head -n 1)
  [ -n "$window" ] || fail "no game window"
  # The canvas is drawn 1:1 in the 800 x 600 window: canvas points are window points.
  at() { xdotool mousemove --window "$window" "$1" "$2"; sleep 0.5; }
  click_at() { at "$1" "$2"; xdotool click 1; }
  sleep 2
  # The oil can (object 4 of the shore), clicked until the game takes it.
  taken=no
  for _ in 1 2 3; do
    at 470 450
    click_at 483 476
    if await "Item #4 added" 10; then taken=yes; break; fi
  done
  [ "$taken" = yes ] || fail "the oil can was never taken"
  # Saves the game as "shore", waiting for the file; $1 says whether the game will ask first.
  save() {
    click_at 221 30
    sleep 3
    xdotool type --delay 150 shore
    sleep 1
    click_at 530 340
    if [ "$1" = ask ]; then
      sleep 3
      xdotool key Return
    fi
  }
  save new
  for _ in $(seq 1 30); do [ -f "$game/Saved/shore.sav" ] && break; sleep 1; done
  [ -f "$game/Saved/shore.sav" ] || fail "the first save was not written"
  first=$(stat -c %Y "$game/Saved/shore.sav")
  sleep 2
  save ask
  sleep 4
  xdotool key ctrl+q
  for _ in $(seq 1 60); do kill -0 "$pid" 2>/dev/null || break; sleep 1; done
  if kill -0 "$pid" 2>/dev/null; then fail "the player did not end on Ctrl+Q"; fi
  wait "$pid" || fail "the windowed run failed"
' record-window "$build_dir/morvane-player" "$work/window" "$work/start.txt" "$recording" \
  "$work/window.out"

cp "$recording" "$artefacts/recorded-walkthrough.txt"
echo "--- the recording"
cat "$recording"
grep -q '^click Main.Animation(4)$' "$recording" || { echo "the click on the oil can is missing" >&2; exit 1; }
grep -q '^answer yes$' "$recording" || { echo "the answer to the message box is missing" >&2; exit 1; }

status=0
"$build_dir/morvane-player" "$work/replay" --headless --script "$recording" \
  > "$work/replay.out" 2>&1 || status=$?
window_state=$(grep '^state: ' "$work/window.out" | tail -n 1)
replay_state=$(grep '^state: ' "$work/replay.out" | tail -n 1)
echo "window: $window_state"
echo "replay: $replay_state"
# Every command reached its control (the game's question about writing over a saved game is
# shown with a warning icon, which --strict would count as an error).
if [ "$status" -ne 0 ] || grep -q '^note: ' "$work/replay.out"; then
  echo "the replay failed with status $status:" >&2
  cat "$work/replay.out" >&2
  exit 1
fi
[ -n "$window_state" ] && [ "$window_state" = "$replay_state" ] || {
  echo "the replay ended elsewhere than the window" >&2
  exit 1
}
