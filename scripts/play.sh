#!/usr/bin/env bash
# Builds the player and starts it on the bundled demo game (or on the game folder given).
# Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_TESTS=OFF
cmake --build build -j "$(nproc)"
game="${1:-build/games/demo}"
shift || true
exec build/morvane-player "$game" "$@"
