#!/usr/bin/env bash
# Builds the game (the program and its program folder, build/game/: no tests or benchmarks)
# and starts it from there.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target game
exec build/game/mahjong "$@"
