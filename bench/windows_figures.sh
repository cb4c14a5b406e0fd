#!/usr/bin/env bash
# The Windows program's figures under Wine, each beside its yardstick in
# the same run, at 1920x1080:
#   - CPU a minute of the clock (the program, wineserver and the X server),
#     beside a plain GDI clock that draws everything every second;
#   - peak memory of the clock beside a bare full-screen Win32 window;
#   - launch to the options window beside a bare Win32 window of its size;
#   - the hands' frame time drawn antialiased with GDI+ beside plain GDI.
#
# usage: bench/windows_figures.sh [SECONDS]
#   SECONDS            how long each clock runs (default 60, or $BENCH_SECONDS)
#   HORAVISTA_WINDOWS  the Windows build with its benchmarks (default build-windows)
#   LAUNCH_TIME        the launch watcher of the Linux benchmarks (default build/bench/launch_time)
#   BENCH_RUNS         launches of each (default 10)
#   BENCH_WARMUP       seconds left out of the CPU figures (default 10: without a
#                      window manager Wine takes about 2 s over each window change)
#
# Each program runs alone on a fresh Xvfb in a Wine session of its own, so
# the X server's and wineserver's CPU time can be put down to it. The
# programs run in a Wine prefix of the benchmark's own in the build folder
# (made on the first run), apart from the tests' one; the clock starts
# straight into itself, as at log-in ("Windows Startup" = "On" in that
# prefix's registry). A clock whose window did not cover the screen
# measured something else, and the run fails.
set -euo pipefail
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"
# shellcheck source=scripts/wine.sh
source "$REPO_DIR/scripts/wine.sh"

duration=${1:-${BENCH_SECONDS:-60}}
warmup=${BENCH_WARMUP:-10}
runs=${BENCH_RUNS:-10}
size=1920x1080
if ! [[ $duration =~ ^[0-9]+$ && $duration -gt $warmup && $runs =~ ^[0-9]+$ && $runs -gt 0 ]]; then
    echo "usage: $0 [SECONDS], more than the ${warmup}-second warm-up; BENCH_RUNS a count" >&2
    exit 2
fi
build=$(cd "${HORAVISTA_WINDOWS:-$REPO_DIR/build-windows}" && pwd)
launchTime=${LAUNCH_TIME:-$REPO_DIR/build/bench/launch_time}
for file in "$build/horavista.exe" "$build/bench/bare_window.exe" "$build/bench/gdi_clock.exe" \
    "$build/bench/hands_bench.exe" "$launchTime"; do
    [[ -e $file ]] || { echo "no $file: build the benchmarks (see bench/README.md)" >&2; exit 1; }
done
[[ -x $HORAVISTA_WINE ]] || { echo "no Wine at $HORAVISTA_WINE: install wine64" >&2; exit 1; }
need Xvfb xvfb
need xwininfo x11-utils
prefix=$build/wine-prefix-bench
settingsKey='HKCU\Software\Quellmark\Horavista'

use_work_dir
trap 'stop_process "$CLIENT_PID"; [[ -n ${WINEPREFIX:-} ]] && horavista_wine_stop; stop_process "$XVFB_PID"; rm -rf "$WORK_DIR"' EXIT

# A fresh X server and a Wine session on it.
open_session() {
    start_xvfb "$size"
    export DISPLAY=$XVFB_DISPLAY
    horavista_wine_start "$prefix" >>"$WORK_DIR/wine.log" 2>&1
}

close_session() {
    horavista_wine_stop
    CLIENT_PID=
    stop_process "$XVFB_PID"
    XVFB_PID=
}

wine_reg() { "$HORAVISTA_WINE" reg "$@" >/dev/null 2>&1; }

# The wineserver of this session's prefix (one of another prefix may be
# running beside it).
wineserver_pid() {
    local pid
    for pid in $(pgrep -x 'wineserver(64)?'); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
    echo "no wineserver runs for $WINEPREFIX" >&2
    exit 1
}

# covers_screen: whether a window as large as the screen is shown on it.
covers_screen() {
    local id
    for id in $(xwininfo -root -children | awk -v s="$size" '/^ +0x/ && index($0, " " s "+0+0") { print $1 }'); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}

# measure NAME EXE [ARGS...]: runs the program alone in a fresh session and
# leaves its figures in result[NAME.*].
declare -A result
measure() {
    local name=$1
    shift
    open_session
    [[ $name != horavista ]] || wine_reg add "$settingsKey" /v "Windows Startup" /t REG_SZ /d On /f
    local wineserver
    wineserver=$(wineserver_pid)
    "$HORAVISTA_WINE" "$@" >"$WORK_DIR/$name.log" 2>&1 &
    CLIENT_PID=$!
    sleep "$warmup"
    local clientWarm serverWarm wineWarm
    clientWarm=$(cpu_ticks "$CLIENT_PID")
    serverWarm=$(cpu_ticks "$XVFB_PID")
    wineWarm=$(cpu_ticks "$wineserver")
    sleep $((duration - warmup))
    expect_running "$name"
    result[$name.client]=$(($(cpu_ticks "$CLIENT_PID") - clientWarm))
    result[$name.wineserver]=$(($(cpu_ticks "$wineserver") - wineWarm))
    result[$name.server]=$(($(cpu_ticks "$XVFB_PID") - serverWarm))
    result[$name.rss]=$(peak_rss_kib "$CLIENT_PID")
    if ! covers_screen; then
        echo "$name shows no window of the screen's size $size: not measured" >&2
        exit 1
    fi
    close_session
}

steady=$((duration - warmup))
# per_minute TICKS: CPU seconds a minute of the steady run.
per_minute() { awk -v t="$1" -v hz="$CLOCK_TICKS" -v s="$steady" 'BEGIN { printf "%.3f", t / hz * 60 / s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a (nothing to compare with)" }'; }
total() { echo $((${result[$1.client]} + ${result[$1.wineserver]} + ${result[$1.server]})); }

echo "under $("$HORAVISTA_WINE" --version) at $size, each program alone for $duration s..."
measure horavista "$build/horavista.exe"
measure gdi_clock "$build/bench/gdi_clock.exe"
measure bare "$build/bench/bare_window.exe" --full-screen

echo
echo "CPU seconds a minute, steady (the last $steady s):"
printf '%-16s %9s %11s %9s %9s\n' "" program wineserver "X server" total
for name in horavista gdi_clock; do
    printf '%-16s %9s %11s %9s %9s\n' "$name.exe" "$(per_minute "${result[$name.client]}")" \
        "$(per_minute "${result[$name.wineserver]}")" "$(per_minute "${result[$name.server]}")" \
        "$(per_minute "$(total "$name")")"
done
echo "horavista / plain GDI clock: $(ratio "$(total horavista)" "$(total gdi_clock)")" \
    "(CPU times have a resolution of $(seconds_of 1) s)"

echo
echo "peak RSS: horavista.exe ${result[horavista.rss]} KiB, gdi_clock.exe ${result[gdi_clock.rss]} KiB," \
    "bare full-screen window ${result[bare.rss]} KiB"
echo "horavista / bare full-screen window: $(ratio "${result[horavista.rss]}" "${result[bare.rss]}")   goal: <= 1.50"

# The launches alternate in one session: a first start (no options stored;
# it writes those it restored), a later start and the bare window.
open_session
launch() { "$launchTime" "$1" "$HORAVISTA_WINE" "${@:2}"; }
for ((i = 0; i < runs; ++i)); do
    wine_reg delete "$settingsKey" /f || true
    launch Horavista "$build/horavista.exe" >>"$WORK_DIR/first.ms"
    launch Horavista "$build/horavista.exe" >>"$WORK_DIR/later.ms"
    launch "Bare Win32 Window" "$build/bench/bare_window.exe" >>"$WORK_DIR/bare.ms"
done
first=$(median <"$WORK_DIR/first.ms")
later=$(median <"$WORK_DIR/later.ms")
bare=$(median <"$WORK_DIR/bare.ms")
echo
echo "launch to the first window, median of $runs: bare Win32 window $bare ms," \
    "options window on a first start $first ms, on a later start $later ms"
echo "ratios to the bare window: $(ratio "$first" "$bare") (first start), $(ratio "$later" "$bare")" \
    "(later start)   goal: <= 1.50"

echo
"$HORAVISTA_WINE" "$build/bench/hands_bench.exe" 2>&1 | tr -d '\r'
close_session
