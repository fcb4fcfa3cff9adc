#!/usr/bin/env bash
# Records offline hands with effects, spoken calls and music all switched on, as the sound
# device receives them (SDL's disk driver), and prints the recording's peak and the count of
# samples at full scale.
#
#   tools/sound/record_hand.sh [build folder] [seed] [hands]      (default: build 1 1)
#
# The hands are played headless in real time from a scratch copy of <build>/game whose SET.ini
# switches everything on; the raw 16-bit stereo at 44.1 kHz goes to <build>/recording/hand.raw.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
seed=${2:-1}
hands=${3:-1}
tool="$build/tools/sound/mj_record_hand"
[[ -x "$tool" ]] || { echo "no $tool: build mj_record_hand first" >&2; exit 1; }

out="$build/recording"
rm -rf "$out"
mkdir -p "$out"
cp -a "$build/game" "$out/game"
rm -rf "$out/game/Save"
printf '[Option]\r\nSound=1\r\nMusic=1\r\nYuYin=1\r\nAnimate=1\r\n' >"$out/game/SET.ini"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out/hand.raw" "$tool" "$out/game" "$seed" "$hands"
