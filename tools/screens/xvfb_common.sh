# What the screenshot scripts share: ending what they started, a virtual X server on the first
# free display of a range, screenshots, clicks and waiting for a still table.  Sourced; the
# script sets `out` (the folder of its PNGs and logs) before calling these.

# Ends a process started by the script, by its id.
stop() {
    [[ -n "$1" ]] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Starts Xvfb on the first free display from :$1 to :$2 and exports DISPLAY; sets xvfb_pid.
# The server is up once a client can read its size.
start_xvfb() {
    local n
    xvfb_pid=""
    for n in $(seq "$1" "$2"); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        if timeout 10 bash -c 'until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.2; done' &&
            kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "X server on $DISPLAY"
            return 0
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    echo "no free display from :$1 to :$2" >&2
    return 1
}

shot() {
    import -window root "$out/$1.png"
    echo "wrote $out/$1.png"
}

# A move onto a point of a window, a second move inside it (buttons light up on the way) and a
# click of the left button.
click() {
    local win=$1 x=$2 y=$3
    xdotool mousemove --window "$win" "$x" "$y"
    sleep 0.3
    xdotool mousemove --window "$win" "$((x + 1))" "$y"
    sleep 0.3
    xdotool click 1
}

# Waits until three screenshots 1.5 s apart are the same (the table stands still while it waits
# for the user), at most `limit` seconds.
wait_still() {
    local limit=$1 start=$SECONDS same=0
    import -window root "$out/still_a.png"
    while ((SECONDS - start < limit)); do
        sleep 1.5
        import -window root "$out/still_b.png"
        if [[ $(compare -metric AE "$out/still_a.png" "$out/still_b.png" null: 2>&1 || true) == 0 ]]; then
            same=$((same + 1))
            ((same >= 2)) && { rm -f "$out"/still_?.png; return 0; }
        else
            same=0
        fi
        mv "$out/still_b.png" "$out/still_a.png"
    done
    rm -f "$out"/still_?.png
    return 1
}
