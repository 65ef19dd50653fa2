#!/usr/bin/env bash
# Runs a windowed program on a virtual X display and saves a screenshot of the whole screen.
#
#   scripts/window-screenshot.sh OUT.png [--delay SECONDS] [--screen WxH] -- PROGRAM [ARGS...]
#
# The program is started, given DELAY seconds (default 2) to show its window, photographed with
# ImageMagick's `import -window root`, then stopped. The screen is 1024x768 unless --screen says
# otherwise. Needs xvfb-run (package xvfb) and import (package imagemagick).
set -euo pipefail

usage() {
  sed -n '2,9p' "$0" >&2
  exit 2
}

[ $# -ge 1 ] || usage
out=$1
shift
delay=2
screen=1024x768
while [ $# -gt 0 ]; do
  case $1 in
    --delay) delay=$2; shift 2 ;;
    --screen) screen=$2; shift 2 ;;
    --) shift; break ;;
    *) usage ;;
  esac
done
[ $# -ge 1 ] || usage

out_dir=$(cd "$(dirname "$out")" && pwd)
out_path="$out_dir/$(basename "$out")"

# The program runs inside the virtual display's session; the screenshot is taken from there too,
# then the program is stopped by its own process id.
xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
  out=$1; delay=$2; shift 2
  "$@" &
  pid=$!
  sleep "$delay"
  status=0
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "window-screenshot: the program ended before the screenshot" >&2
    status=1
  fi
  import -window root "$out" || status=1
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  exit $status
' window-screenshot "$out_path" "$delay" "$@"
echo "$out_path"
