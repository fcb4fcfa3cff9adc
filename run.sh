#!/usr/bin/env bash
# Builds the game and starts it from its program folder (build/game/).
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/game/mahjong "$@"
