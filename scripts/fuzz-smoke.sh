#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (build-fuzz/), writes their seed corpora with the project's own writers and runs each target
# for a while on its corpus. Fails when a target finds a crash, a leak or undefined behaviour;
# the input that did it is kept in build-fuzz/findings/.
#
#   scripts/fuzz-smoke.sh [SECONDS_PER_TARGET]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

if ! command -v clang++ > /dev/null; then
  echo "fuzz-smoke: clang++ is not installed" >&2
  exit 1
fi

launcher=()
if command -v ccache > /dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DMORVANE_SANITIZE=ON -DMORVANE_FUZZ=ON -DMORVANE_TESTS=OFF \
  -DMORVANE_BENCH=OFF "${launcher[@]}" > build-fuzz.log 2>&1 || { cat build-fuzz.log >&2; exit 1; }
cmake --build build-fuzz -j "$(nproc)" --target fuzzers >> build-fuzz.log 2>&1 ||
  { tail -50 build-fuzz.log >&2; exit 1; }
rm -f build-fuzz.log

corpus=build-fuzz/corpus
findings=build-fuzz/findings
rm -rf "$corpus"
mkdir -p "$findings"
build-fuzz/make_seeds . "$corpus"

status=0
for target in scene_record location_record inventory_record conversation_record general_record \
  game_files picture gif wav avi music script saved_game; do
  seeds=$corpus/$target
  mkdir -p "$seeds"
  work=$(mktemp -d)
  cp -r "$seeds/." "$work/"
  log=build-fuzz/$target.log
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/$target-" "$work" > "$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz $target: ok, $runs runs in ${seconds}s"
  else
    echo "fuzz $target: FAILED (see $log)" >&2
    tail -40 "$log" >&2
    status=1
  fi
  rm -rf "$work"
done
exit $status
