#!/usr/bin/env bash
# Runs a command on a private virtual X display with software OpenGL, then stops the display.
# Usage: with-xvfb.sh [--screen WxHxD] COMMAND [ARGS...]; exits with the command's status.
set -u
screen=1024x768x24
if [ "${1:-}" = --screen ]; then
    screen=$2
    shift 2
fi

# Xvfb takes a free display itself and writes its number once it listens, so tests running at
# the same time never share one.
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -f "$number"' EXIT
trap 'exit 130' INT TERM
for _ in $(seq 200); do
    grep -q '^[0-9]\+$' "$number" && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
done
display=$(tr -d '\n' < "$number")
[ -n "$display" ] || { echo "with-xvfb.sh: Xvfb did not start" >&2; exit 1; }
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
