#!/usr/bin/env bash
# Runs every benchmark of an optimised build that already exists (it builds nothing) and prints
# each figure beside its target, measured against its reference in the same run.
#
#   bash bench/run.sh [BUILD_DIR] [SECONDS]
#
# BUILD_DIR defaults to build/ (as scripts/play.sh makes it; any build with MORVANE_BENCH on
# will do, e.g. cmake -B build-bench -DCMAKE_BUILD_TYPE=Release -DMORVANE_TESTS=OFF). SECONDS
# is how long each window measurement runs (default 10). The window figures need an X display;
# without one they run on a virtual one (xvfb-run). Exits 1 when a target is not met.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" 2>/dev/null && pwd) || { echo "no build folder ${1:-build}" >&2; exit 2; }
seconds=${2:-10}
for program in morvane-player morvane-decode-bench morvane-player-bench morvane-window-bench; do
  if [ ! -x "$build/$program" ]; then
    echo "$build/$program is missing: build it first (cmake --build $build)" >&2
    exit 2
  fi
done

echo "Morvane Player benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
echo "build: $build ($(grep -m1 CMAKE_BUILD_TYPE: "$build/CMakeCache.txt" | cut -d= -f2))"
echo

status=0
"$build/morvane-decode-bench" 9 || status=1
"$build/morvane-player-bench" "$build" "$root" 5 || status=1
if [ -n "${DISPLAY:-}" ]; then
  "$build/morvane-window-bench" "$seconds" report || status=1
else
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/morvane-window-bench" "$seconds" report || status=1
fi

echo
echo "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
exit $status
