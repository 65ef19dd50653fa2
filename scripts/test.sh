#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole
# test suite, then gives every fuzz target of the game-data readers a short run (clang's
# libFuzzer; MORVANE_FUZZ_SECONDS per target, 15 unless set, 0 to skip). Installs the Debian
# packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON -DMORVANE_BENCH=OFF
cmake --build build-test -j "$(nproc)"
(cd build-test && ctest --output-on-failure -j "$(nproc)" --timeout 300)
fuzz_seconds=${MORVANE_FUZZ_SECONDS:-15}
if [ "$fuzz_seconds" -gt 0 ]; then
  bash scripts/fuzz-smoke.sh "$fuzz_seconds"
fi
