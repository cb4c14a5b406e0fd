#!/usr/bin/env bash
# How long the program takes from its start to its options window on the
# screen (the time-zone catalogue read included), beside a bare Qt window
# of the same size started the same way, alternately, in one X server:
# once with no options stored yet, once with them stored. A bare window
# with one line of text shows what the font system's first use costs.
#
# usage: bench/launch_time.sh [RUNS]
#   RUNS         launches of each (default 20, or $BENCH_RUNS)
#   HORAVISTA    the program to measure (default build/horavista)
#
# Goal: the options window within 1.5 times the bare window's time.
set -euo pipefail
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"

runs=${1:-${BENCH_RUNS:-20}}
if ! [[ $runs =~ ^[0-9]+$ && $runs -gt 0 ]]; then
    echo "usage: $0 [RUNS]" >&2
    exit 2
fi
need Xvfb xvfb
need_fonts
program=$(find_program)
tools=$(dirname "$program")/bench
for tool in launch_time bare_window; do
    [[ -x $tools/$tool ]] || { echo "no $tool in $tools: build the benchmarks" >&2; exit 1; }
done

use_work_dir
start_xvfb 1920x1080

launch() { DISPLAY=$XVFB_DISPLAY XDG_CONFIG_HOME=$1 "$tools/launch_time" "${@:2}"; }

for ((i = 0; i < runs; ++i)); do
    # A first start writes the options it restored; a later start finds
    # them stored.
    rm -rf "$WORK_DIR/first"
    launch "$WORK_DIR/first" Horavista "$program" >>"$WORK_DIR/first.ms"
    launch "$WORK_DIR/later" Horavista "$program" >>"$WORK_DIR/later.ms"
    launch "$WORK_DIR/bare" "Bare Qt Window" "$tools/bare_window" >>"$WORK_DIR/bare.ms"
    launch "$WORK_DIR/bare" "Bare Qt Window" "$tools/bare_window" --text >>"$WORK_DIR/text.ms"
done

first=$(median <"$WORK_DIR/first.ms")
later=$(median <"$WORK_DIR/later.ms")
bare=$(median <"$WORK_DIR/bare.ms")
text=$(median <"$WORK_DIR/text.ms")
echo "launch to first window, median of $runs: bare Qt window $bare ms (with one line of text $text ms),"
echo "options window on a first start $first ms, on a later start $later ms"
awk -v f="$first" -v l="$later" -v b="$bare" -v t="$text" 'BEGIN {
    printf "ratios to the bare window %.2f (first start) and %.2f (later start); goal 1.50 or less\n", f / b, l / b
    printf "ratios to the window with text %.2f and %.2f\n", f / t, l / t
}'
