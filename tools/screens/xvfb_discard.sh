#!/usr/bin/env bash
# Plays the opening of an offline game in the real program under a virtual X server and takes
# screenshots on the way: the start notice, the start screen, the save slots, the names and
# rules, the table at the user's first turn with a hand tile raised under the mouse, and the
# table after a click on that tile has discarded it.
#
#   tools/screens/xvfb_discard.sh [build folder]      (default: build)
#
# Needs Xvfb, xdotool and ImageMagick (import, compare).  The program runs from a scratch copy
# of <build>/game with no saved games, so the first slot's 新游戏 starts a new game at once.
# The PNGs go to <build>/screens/.  The script ends the program and the X server it started.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
out="$build/screens"
game="$out/game"
[[ -x "$build/game/mahjong" ]] || { echo "no program at $build/game/mahjong: build first" >&2; exit 1; }
for tool in Xvfb xdotool import compare; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/xvfb_common.sh"

xvfb_pid=""
game_pid=""
finish() {
    set +e
    stop "$game_pid"
    stop "$xvfb_pid"
}
trap finish EXIT

rm -rf "$out"
mkdir -p "$out"
cp -a "$build/game" "$game"
rm -rf "$game/Save"

start_xvfb 60 69

# The id of the first window whose title matches, waiting up to 30 s for it.
window() {
    timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1
}

# Pixels that differ between two screenshots inside a rectangle of the screen.
changed() {
    local geometry=$1 a=$2 b=$3
    compare -metric AE "${a}[${geometry}]" "${b}[${geometry}]" null: 2>&1 || true
}

(cd "$game" && SDL_AUDIODRIVER=dummy exec ./mahjong >"$out/game.log" 2>&1) &
game_pid=$!

# The start notice and its 进入 button (75 × 25 at (153, 354) of the notice).
notice=$(window '游戏公告')
[[ -n "$notice" ]] || { echo "the start notice did not show" >&2; exit 1; }
sleep 1
shot 01_start_notice
click "$notice" 190 366

# The main window, 800 × 600 and centred; points below are the table's own.
table=$(window 'v4.2')
[[ -n "$table" ]] || { echo "the main window did not show" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$table")"
echo "main window at ($X, $Y), $WIDTH x $HEIGHT"
sleep 4
shot 02_start_screen
click "$table" 400 298   # 单机游戏
sleep 2
shot 03_save_slots
click "$table" 492 297   # the first slot's 新游戏
sleep 2
xdotool windowfocus --sync "$table"
xdotool type --delay 100 Ada
sleep 0.5
shot 04_names_and_rules
click "$table" 432 532   # 确定

# The deal, the flowers replaced, then the dealer's (the user's) first turn.
sleep 5
wait_still 60 || { shot 05_no_turn; echo "the table never waited for the user" >&2; exit 1; }

# The eleventh hand tile: hovered it rises; clicked it goes to the river.
xdotool mousemove --window "$table" 559 516
sleep 0.3
xdotool mousemove --window "$table" 560 516
sleep 0.8
shot 05_users_turn_tile_raised
xdotool click 1
sleep 1.5
shot 06_after_the_discard

hand="700x90+$((X + 50))+$((Y + 460))"
river="560x200+$((X + 120))+$((Y + 250))"
hand_changed=$(changed "$hand" "$out/05_users_turn_tile_raised.png" "$out/06_after_the_discard.png")
river_changed=$(changed "$river" "$out/05_users_turn_tile_raised.png" "$out/06_after_the_discard.png")
echo "pixels changed: hand $hand_changed, river $river_changed"
if [[ "$hand_changed" == 0 || "$river_changed" == 0 ]]; then
    echo "the click discarded nothing" >&2
    exit 1
fi
rm -rf "$game"
echo "done"
