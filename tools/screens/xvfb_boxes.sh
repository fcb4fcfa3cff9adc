#!/usr/bin/env bash
# The program's own message boxes in the real program under a virtual X server, on a bare
# desktop or under a window manager, with a screenshot of each: a damaged saved game named on
# the command line; an offline game whose folder cannot be written, left with 离开 (the
# failure box, and the table stays); the same game closed with the window's close button (the
# exit window's 确定, then the question whether to end without saving: 否 keeps the table, 是
# ends the program and leaves the last good save as it was).
#
#   tools/screens/xvfb_boxes.sh [build folder] [--wm]      (default: build, no window manager)
#
# Needs Xvfb, xdotool, ImageMagick (import, compare), python3 and chattr; --wm needs openbox.
# The program runs from a scratch copy of <build>/game.  The PNGs go to
# <build>/screens-boxes-bare/ or <build>/screens-boxes-openbox/.  The script ends what it
# started and makes the saved-games folder writable again.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
desktop=bare
[[ "${2:-}" == --wm ]] && desktop=openbox
out="$build/screens-boxes-$desktop"
game="$out/game"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[[ -x "$build/game/mahjong" ]] || { echo "no program at $build/game/mahjong: build first" >&2; exit 1; }
for tool in Xvfb xdotool import compare python3 chattr; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done
[[ $desktop == bare ]] || command -v openbox >/dev/null || { echo "openbox is missing" >&2; exit 1; }

source "$here/xvfb_common.sh"

xvfb_pid=""
wm_pid=""
game_pid=""
finish() {
    set +e
    [[ -d "$game/Save" ]] && chattr -i "$game/Save" 2>/dev/null
    stop "$game_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
}
trap finish EXIT

fail() {
    shot "failed_$1"
    echo "$2" >&2
    exit 1
}

rm -rf "$out"
mkdir -p "$out/config"
cp -a "$build/game" "$game"
rm -rf "$game/Save"

start_xvfb 80 89
if [[ $desktop == openbox ]]; then
    openbox >"$out/openbox.log" 2>&1 &
    wm_pid=$!
    sleep 1
fi

# The id of the first shown window whose title matches, waiting up to `limit` seconds.
wait_window() {
    local pattern=$1 limit=$2 start=$SECONDS id
    while ((SECONDS - start < limit)); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.3
    done
    return 1
}

# Waits up to `limit` seconds until no shown window's title matches.
wait_gone() {
    local pattern=$1 limit=$2 start=$SECONDS
    while ((SECONDS - start < limit)); do
        xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
        sleep 0.3
    done
    return 1
}

# The exit window: a shown window of the exit window's size (it has no title).
exit_window() {
    local start=$SECONDS id
    while ((SECONDS - start < 10)); do
        for id in $(xdotool search --onlyvisible --classname mahjong 2>/dev/null || true); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            ((WIDTH == 330 && HEIGHT == 431)) && { echo "$id"; return 0; }
        done
        sleep 0.3
    done
    return 1
}

start_game() {
    (cd "$game" && XDG_CONFIG_HOME="$out/config" SDL_AUDIODRIVER=dummy \
        exec ./mahjong "$@" >>"$out/game.log" 2>&1) &
    game_pid=$!
}

# Return on the start notice, sent to its window.  The notice closes on the key's press, so
# xdotool may find the window gone when it sends the release and leave the key held down: the
# X server then repeats it into whatever window comes next, which must not take it.
pass_notice() {
    local notice
    notice=$(wait_window '游戏公告' 30) || fail notice "the start notice did not show"
    sleep 1
    xdotool key --window "$notice" Return 2>/dev/null || true
    # The key is let go, as a person's finger would, once the program has gone on.
    sleep 1
    xdotool keyup Return
}

# A box whose title matches comes up: its screenshot, then Return answers it (it must have the
# keyboard) and it goes.
shoot_box_and_answer() {
    local title=$1 name=$2
    wait_window "$title" 10 >/dev/null || fail "$name" "no box $title"
    sleep 0.5
    shot "$name"
    xdotool key Return
    wait_gone "$title" 5 || fail "${name}_stays" "the box $title did not take the keyboard"
    sleep 1
}

# 菜单, then its 离开.
leave_game() {
    click "$table" 733 562
    sleep 1
    click "$table" 750 440
}

# The exit window's 确定 after the close button, then the question of an unsaved game.
close_and_answer() {
    local answer=$1 name=$2 exitwin question
    python3 "$here/close_window.py" "$table"
    exitwin=$(exit_window) || fail "${name}_exit" "the exit window did not show"
    sleep 1
    click "$exitwin" 60 390
    question=$(wait_window '^询问$' 10) || fail "$name" "no question after the exit window"
    sleep 0.5
    shot "$name"
    # The box has the keyboard: Return answers its default 否, Shift+Tab then Return 是.
    if [[ $answer == yes ]]; then xdotool key shift+Tab Return; else xdotool key Return; fi
}

echo "== a damaged saved game named on the command line"
head -c 3392 /dev/urandom >"$game/mahjong damaged.cmj"
start_game "mahjong damaged.cmj"
pass_notice
shoot_box_and_answer '^信息$' 01_damaged_file_box
shot 02_start_screen_after_the_box
stop "$game_pid"
game_pid=""

echo "== a game saved by 离开, loaded again, its folder then made unwritable"
start_game
pass_notice
table=$(wait_window 'v4.2' 30) || fail table "the main window did not show"
sleep 4
click "$table" 400 298   # 单机游戏
sleep 2
click "$table" 492 297   # the first slot's 新游戏
sleep 2
# A window manager gives the clicked window the keyboard; on a bare desktop it is given here.
[[ $desktop == bare ]] && xdotool windowfocus --sync "$table"
xdotool type --delay 100 Ada
click "$table" 432 532   # 确定
sleep 5
wait_still 60 || fail turn "the table never waited for the user"
leave_game
sleep 2
[[ -f "$game/Save/1.cmj" ]] || fail saved "离开 saved nothing"
good=$(md5sum <"$game/Save/1.cmj")
click "$table" 300 290   # the first slot's 读取
sleep 3
wait_still 30 || fail loaded "the loaded game never stood still"
chattr +i "$game/Save"

leave_game
shoot_box_and_answer '^错误$' 03_leave_save_failed
shot 04_table_stays_after_leave

echo "== closing the game that cannot be saved"
close_and_answer no 05_close_question
wait_gone '^询问$' 5 || fail 05_box_stays "the question did not take the keyboard"
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail 06 "the program ended on 否"
shot 06_table_stays_after_no
close_and_answer yes 07_close_question_again
start=$SECONDS
while kill -0 "$game_pid" 2>/dev/null && ((SECONDS - start < 10)); do sleep 0.3; done
kill -0 "$game_pid" 2>/dev/null && fail 08 "the program did not end on 是"
game_pid=""
shot 08_program_ended_on_yes
[[ $(md5sum <"$game/Save/1.cmj") == "$good" ]] || { echo "the last good save changed" >&2; exit 1; }
echo "the last good save is untouched"
chattr -i "$game/Save"
rm -rf "$game"
echo "done"
