#!/usr/bin/env bash
# How long after each whole second the clock's frames reach the screen,
# seen from outside: the X server's damage reports on the clock window.
#
# usage: bench/frame_phase.sh [SECONDS]
#   SECONDS        how long to watch (default 60, or $BENCH_SECONDS)
#   HORAVISTA      the program to measure (default build/horavista)
#   FRAME_PHASE    the damage watcher (default build/bench/frame_phase)
#   BENCH_SIZE     screen size (default 1920x1080)
#   BENCH_VERBOSE  set to 1 to list every second
#
# Goal: every frame starts to show within 20 ms of its whole second.
set -euo pipefail
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"

duration=${1:-${BENCH_SECONDS:-60}}
size=${BENCH_SIZE:-1920x1080}
if ! [[ $duration =~ ^[0-9]+$ && $duration -gt 0 ]]; then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi

need Xvfb xvfb
need xwininfo x11-utils
need_fonts
program=$(find_program)
watcher=${FRAME_PHASE:-$(dirname "$program")/bench/frame_phase}
if [[ ! -x $watcher ]]; then
    echo "no frame_phase at $watcher: build it (it needs libxdamage-dev), or set FRAME_PHASE" >&2
    exit 1
fi

use_work_dir

start_xvfb "$size"
clock_at_start_config "$WORK_DIR/config"
DISPLAY=$XVFB_DISPLAY XDG_CONFIG_HOME=$WORK_DIR/config "$program" >"$WORK_DIR/horavista.log" 2>&1 &
CLIENT_PID=$!

# Wait for the clock to cover the screen, then for its first frame, which
# comes about a second after the window opens.
for _ in $(seq 100); do
    [[ $(largest_window "$XVFB_DISPLAY") == "$size" ]] && break
    kill -0 "$CLIENT_PID" 2>/dev/null || { cat "$WORK_DIR/horavista.log" >&2; exit 1; }
    sleep 0.1
done
if [[ $(largest_window "$XVFB_DISPLAY") != "$size" ]]; then
    echo "the clock window never covered the $size screen" >&2
    exit 1
fi
sleep 2

echo "watching $program at $size for $duration s"
args=(--seconds "$duration")
[[ ${BENCH_VERBOSE:-0} == 1 ]] && args+=(--per-second)
DISPLAY=$XVFB_DISPLAY "$watcher" "${args[@]}"
echo "goal: first report within 20 ms after the whole second, every second"
