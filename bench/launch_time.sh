#!/usr/bin/env bash
# How long the program takes from its start to its options window on the
# screen (the time-zone catalogue read included), beside a bare Qt window
# of the same size started the same way, alternately, in one X server.
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

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

for ((i = 0; i < runs; ++i)); do
    # A fresh settings folder each time: every launch is a first start.
    rm -rf "$WORK_DIR/config"
    DISPLAY=$XVFB_DISPLAY XDG_CONFIG_HOME=$WORK_DIR/config "$tools/launch_time" Horavista "$program" >>"$WORK_DIR/program.ms"
    DISPLAY=$XVFB_DISPLAY "$tools/launch_time" "Bare Qt Window" "$tools/bare_window" >>"$WORK_DIR/bare.ms"
done

program_ms=$(median <"$WORK_DIR/program.ms")
bare_ms=$(median <"$WORK_DIR/bare.ms")
echo "launch to first window, median of $runs: options window $program_ms ms, bare Qt window $bare_ms ms"
awk -v p="$program_ms" -v b="$bare_ms" 'BEGIN { printf "ratio %.2f (goal 1.50 or less)\n", p / b }'
