#!/usr/bin/env bash
# Plays a whole online hand in the real program under a virtual X server, started as a launcher
# starts it (`mahjong NetWork <user> <password> <host:port>`) against the loopback test server,
# and takes screenshots on the way: the lobby, the table once seated, the table after the start
# button, the middle of the hand, and the score sheet.  Once seated the user is left alone: the
# table's own countdowns play the user's turns.
#
#   tools/screens/xvfb_online.sh [build folder]      (default: build)
#
# Needs Xvfb, xdotool and ImageMagick (import).  The program runs from a scratch copy of
# <build>/game with a configuration folder of its own.  The PNGs go to <build>/screens-online/.
# The script ends the program, the server and the X server it started, each by its own id.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
out="$build/screens-online"
game="$out/game"
server="$build/tools/testserver/mj_testserver"
[[ -x "$build/game/mahjong" ]] || { echo "no program at $build/game/mahjong: build first" >&2; exit 1; }
[[ -x "$server" ]] || { echo "no test server at $server: build first" >&2; exit 1; }
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/xvfb_common.sh"

xvfb_pid=""
game_pid=""
server_pid=""
finish() {
    set +e
    stop "$game_pid"
    stop "$server_pid"
    stop "$xvfb_pid"
}
trap finish EXIT

rm -rf "$out"
mkdir -p "$out/config"
cp -a "$build/game" "$game"

start_xvfb 70 79

# The server on free ports; its first line names them.
"$server" --game-port 0 --reg-port 0 --http-port 0 --robot-think-ms 200 --seed 5 \
    >"$out/server.out" 2>"$out/server.log" &
server_pid=$!
timeout 10 bash -c "until grep -q '^game=' '$out/server.out'; do sleep 0.2; done"
port=$(sed -n 's/^game=\([0-9]*\).*/\1/p' "$out/server.out")
echo "test server on port $port"

(cd "$game" && XDG_CONFIG_HOME="$out/config" SDL_AUDIODRIVER=dummy \
    exec ./mahjong NetWork tester secret "127.0.0.1:$port" >"$out/game.log" 2>&1) &
game_pid=$!

table=$(timeout 60 xdotool search --sync --onlyvisible --name 'v4.2' | head -1)
[[ -n "$table" ]] || { echo "the main window did not show" >&2; exit 1; }
sleep 4
shot 01_lobby

# Table 1, the south seat; then the start button (开始) of the table.
click "$table" 103 222
sleep 3
shot 02_seated
click "$table" 391 496
sleep 3
shot 03_started

# Left alone: the countdowns discard and pass for the user.  A shot every 20 s, SHOTS of them
# (default 15: five minutes, time for a hand to reach its score sheet).
for i in $(seq 1 "${SHOTS:-15}"); do
    sleep 20
    shot "$(printf '04_hand_%02d' "$i")"
done
echo "done"
