#!/usr/bin/env bash
# Runs a command on a private virtual X display with software OpenGL, then stops the display.
# Usage: with-xvfb.sh COMMAND [ARGS...]; exits with the command's status.
set -u

xvfb_pid=""
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    fi
}
trap stop_xvfb EXIT
trap 'exit 130' INT TERM

# Starts Xvfb on :$1 and waits until it is ours and listening; fails if another server won it.
start_xvfb() {
    local n=$1
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        if [ -S "/tmp/.X11-unix/X$n" ] && [ -f "/tmp/.X$n-lock" ] &&
            [ "$(tr -d ' \n' < "/tmp/.X$n-lock")" = "$xvfb_pid" ]; then
            return 0
        fi
        sleep 0.05
    done
    return 1
}

display=""
for n in $(seq 140 239); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    if start_xvfb "$n"; then
        display=$n
        break
    fi
    stop_xvfb
done
if [ -z "$display" ]; then
    echo "with-xvfb.sh: could not start Xvfb on any display from :140 to :239" >&2
    exit 1
fi

export DISPLAY=":$display" LIBGL_ALWAYS_SOFTWARE=1 SDL_VIDEODRIVER=x11
# In the background so a timeout's signal reaches the command and the display at once. SDL turns
# SIGTERM into a quit event, so a command that does not stop soon after is killed.
# shellcheck disable=SC2317  # called from the trap below
stop_child() {
    kill "$child" 2>/dev/null
    for _ in $(seq 20); do
        kill -0 "$child" 2>/dev/null || return
        sleep 0.1
    done
    kill -KILL "$child" 2>/dev/null
}
"$@" &
child=$!
trap 'stop_child; exit 130' INT TERM
wait "$child"
exit $?
