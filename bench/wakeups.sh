#!/usr/bin/env bash
# How often the steady clock wakes: every thread of the program, its
# context switches per second (voluntary ones are the thread waking from a
# wait; involuntary ones the scheduler taking it off the processor).
#
# usage: bench/wakeups.sh [SECONDS]
#   SECONDS        how long to count after the warm-up (default 30, or $BENCH_SECONDS)
#   HORAVISTA      the program to measure (default build/horavista)
#   BENCH_SIZE     screen size (default 1920x1080)
#   BENCH_WARMUP   seconds before counting starts (default 5)
#
# The program starts straight into its clock on a fresh Xvfb, as at
# log-in ("Windows Startup" = "On" in its temporary settings). A clock
# that only wakes for its whole second and the keep-awake tick shows about
# one wake-up a second on its main thread.
set -euo pipefail
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"

duration=${1:-${BENCH_SECONDS:-30}}
size=${BENCH_SIZE:-1920x1080}
warmup=${BENCH_WARMUP:-5}
if ! [[ $duration =~ ^[0-9]+$ && $duration -gt 0 ]]; then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi
need Xvfb xvfb
need_fonts
program=$(find_program)

use_work_dir
start_xvfb "$size"
clock_at_start_config "$WORK_DIR/config"
DISPLAY=$XVFB_DISPLAY XDG_CONFIG_HOME=$WORK_DIR/config "$program" >"$WORK_DIR/program.log" 2>&1 &
CLIENT_PID=$!
sleep "$warmup"

# switches: one line per thread, "TID NAME VOLUNTARY INVOLUNTARY".
switches() {
    local task
    for task in /proc/"$CLIENT_PID"/task/*; do
        awk -v tid="${task##*/}" '
            /^Name:/ { name = $2 }
            /^voluntary_ctxt_switches:/ { v = $2 }
            /^nonvoluntary_ctxt_switches:/ { n = $2 }
            END { print tid, name, v, n }' "$task/status" 2>/dev/null || true
    done
}

switches >"$WORK_DIR/start"
sleep "$duration"
if ! kill -0 "$CLIENT_PID" 2>/dev/null; then
    echo "the program ended before the count was over:" >&2
    cat "$WORK_DIR/program.log" >&2
    exit 1
fi
switches >"$WORK_DIR/end"

echo "wake-ups per second over $duration s of the steady clock ($(largest_window "$XVFB_DISPLAY") window)"
awk -v seconds="$duration" '
    NR == FNR { v0[$1] = $3; n0[$1] = $4; next }
    {
        v = $3 - v0[$1]; n = $4 - n0[$1]
        printf "  thread %-8s %-16s %6.2f woken, %5.2f preempted%s\n", $1, $2, v / seconds, n / seconds,
            ($1 in v0) ? "" : " (started meanwhile)"
        tv += v; tn += n
    }
    END { printf "  all threads               %6.2f woken, %5.2f preempted\n", tv / seconds, tn / seconds }
' "$WORK_DIR/start" "$WORK_DIR/end"
