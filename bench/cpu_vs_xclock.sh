#!/usr/bin/env bash
# What the clock costs the machine over a run, beside the classic X11 analog
# clock doing the same job at the same size, and its memory beside a bare Qt
# window covering the screen.
#
# usage: bench/cpu_vs_xclock.sh [SECONDS]
#   SECONDS        how long each clock runs (default 60, or $BENCH_SECONDS)
#   HORAVISTA      the program to measure (default build/horavista)
#   BENCH_SIZE     screen size (default 1920x1080)
#   BENCH_WARMUP   seconds left out of the steady-state figures (default 5)
#   BENCH_NIGHT_CARE=1  also runs the clock dimmed and moving (night hours
#                  all day but 00:00, screen care on) and compares it with
#                  the plain one
#
# Each clock gets its own fresh Xvfb, so the server's CPU time can be put
# down to that one client. CPU is user plus system time from /proc; the
# server's is counted from the moment its client starts. Peak memory is
# the client's VmHWM. The bare window covers the screen and repaints a square
# each second: its memory is the yardstick for the clock's, its CPU the
# least any Qt clock can cost. The program starts straight into its clock, as it
# does at log-in ("Windows Startup" = "On" in its temporary settings; the
# start-up restore writes no log-in entry). A run whose client window did
# not cover the screen measured something else, and fails.
set -euo pipefail
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"

duration=${1:-${BENCH_SECONDS:-60}}
size=${BENCH_SIZE:-1920x1080}
warmup=${BENCH_WARMUP:-5}
night_care=${BENCH_NIGHT_CARE:-0}
if ! [[ $duration =~ ^[0-9]+$ && $duration -gt $warmup ]]; then
    echo "usage: $0 [SECONDS], more than the ${warmup}-second warm-up" >&2
    exit 2
fi

need Xvfb xvfb
need xclock x11-apps
need xwininfo x11-utils
need_fonts
program=$(find_program)
bare=$(dirname "$program")/bench/bare_window
[[ -x $bare ]] || { echo "no bare_window beside $program: build the benchmarks" >&2; exit 1; }

use_work_dir

# measure NAME COMMAND...: runs the client alone on a new server and leaves
# its figures in result[NAME.*].
declare -A result
measure() {
    local name=$1
    shift
    start_xvfb "$size"
    local serverBefore serverEnd clientEnd
    serverBefore=$(cpu_ticks "$XVFB_PID")
    local config=$WORK_DIR/config-$name
    clock_at_start_config "$config"
    # From 00:01 to 00:00 spans midnight: every minute but one is night.
    [[ $name == night-care ]] &&
        printf 'Night%%20Dim=1\nNight%%20From=00:01\nNight%%20To=00:00\nScreen%%20Care=1\n' \
            >>"$config/Quellmark/Horavista.ini"
    DISPLAY=$XVFB_DISPLAY XDG_CONFIG_HOME=$config "$@" >"$WORK_DIR/$name.log" 2>&1 &
    CLIENT_PID=$!
    sleep "$warmup"
    local clientWarmUs serverWarmUs
    clientWarmUs=$(cpu_us "$CLIENT_PID")
    serverWarmUs=$(cpu_us "$XVFB_PID")
    sleep $((duration - warmup))
    expect_running "$name"
    clientEnd=$(cpu_ticks "$CLIENT_PID")
    serverEnd=$(cpu_ticks "$XVFB_PID")
    result[$name.client]=$clientEnd
    result[$name.server]=$((serverEnd - serverBefore))
    result[$name.client_steady]=$(($(cpu_us "$CLIENT_PID") - clientWarmUs))
    result[$name.server_steady]=$(($(cpu_us "$XVFB_PID") - serverWarmUs))
    result[$name.rss]=$(peak_rss_kib "$CLIENT_PID")
    # The client's largest window, as a check that both filled the screen.
    result[$name.window]=$(largest_window "$XVFB_DISPLAY")
    if [[ ${result[$name.window]} != "$size" ]]; then
        echo "$name's largest window is ${result[$name.window]}, not the screen's $size: not measured" >&2
        exit 1
    fi
    stop_process "$CLIENT_PID"
    CLIENT_PID=
    stop_process "$XVFB_PID"
    XVFB_PID=
}

echo "measuring $program and xclock at $size for ${duration} s each..."
measure horavista "$program"
[[ $night_care == 1 ]] && measure night-care "$program"
measure xclock xclock -analog -update 1 -geometry "${size}+0+0"
measure bare "$bare" --full-screen --ticking

row() {
    local name=$1 label=$2 client=${result[$1.client]} server=${result[$1.server]}
    printf '%-22s %10s %10s %10s %12s  %s\n' "$label" "$(seconds_of "$client")" "$(seconds_of "$server")" \
        "$(seconds_of $((client + server)))" "${result[$name.rss]}" "${result[$name.window]}"
}
steady_row() {
    local label=$2 client=${result[$1.client_steady]} server=${result[$1.server_steady]}
    printf '%-22s %10s %10s %10s\n' "$label" "$(us_as_seconds "$client")" "$(us_as_seconds "$server")" \
        "$(us_as_seconds $((client + server)))"
}
us_as_seconds() { awk -v t="$1" 'BEGIN { printf "%.4f", t / 1e6 }'; }
# ratio NAME SUFFIX: (NAME + server) / (xclock + server) for the figures named.
ratio() {
    local ours theirs
    ours=$((${result[$1.client$2]} + ${result[$1.server$2]}))
    theirs=$((${result[xclock.client$2]} + ${result[xclock.server$2]}))
    awk -v a="$ours" -v b="$theirs" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a (xclock used no measurable CPU)" }'
}

echo
echo "whole run: ${duration} s, at $size"
printf '%-22s %10s %10s %10s %12s  %s\n' "" "client s" "server s" "total s" "peak RSS KiB" "window"
row horavista horavista
[[ $night_care == 1 ]] && row night-care "dimmed and moving"
row xclock "xclock -analog"
row bare "bare Qt window"
echo "(program+server)/(xclock+server): $(ratio horavista "")"
echo "peak RSS / bare Qt window's: $(awk -v a="${result[horavista.rss]}" -v b="${result[bare.rss]}" \
    'BEGIN { printf "%.2f", a / b }')   goal: <= 1.50"

echo
echo "steady state: the last $((duration - warmup)) s, start-up left out"
printf '%-22s %10s %10s %10s\n' "" "client s" "server s" "total s"
steady_row horavista horavista
[[ $night_care == 1 ]] && steady_row night-care "dimmed and moving"
steady_row xclock "xclock -analog"
steady_row bare "bare Qt window"
echo "(program+server)/(xclock+server): $(ratio horavista _steady)   goal: <= 0.50"
echo "(bare window+server)/(xclock+server), the floor: $(ratio bare _steady)"
if [[ $night_care == 1 ]]; then
    echo "dimmed and moving / plain, per minute: $(awk \
        -v a=$((${result[night-care.client_steady]} + ${result[night-care.server_steady]})) \
        -v b=$((${result[horavista.client_steady]} + ${result[horavista.server_steady]})) \
        -v m="$((duration - warmup))" \
        'BEGIN { printf "%.4f s / %.4f s = %.3f", a / 1e6 * 60 / m, b / 1e6 * 60 / m, a / b }')   goal: 0.95 to 1.05"
fi
echo "(whole-run CPU times have a resolution of $(seconds_of 1) s; the steady ones are the scheduler's, to the"
echo " microsecond, of the threads still running)"
