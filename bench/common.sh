# shellcheck shell=bash
# Shared by the bench scripts: the tools they need, a private X server per
# measured client, and reading a process's CPU time and peak memory.
# Sourced, not run.

BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_DIR=$(dirname "$BENCH_DIR")
CLOCK_TICKS=$(getconf CLK_TCK)

# need COMMAND PACKAGE...: installs the packages when the command is absent.
need() {
    local command=$1
    shift
    command -v "$command" >/dev/null 2>&1 && return 0
    if [[ $(id -u) -ne 0 ]]; then
        echo "missing $command: install ${*} (apt-get needs root)" >&2
        exit 1
    fi
    echo "installing ${*} for $command" >&2
    DEBIAN_FRONTEND=noninteractive apt-get install -y "$@" >/dev/null ||
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y "$@" >/dev/null; }
}

# The clock draws its numerals in Arial; Liberation Sans has its metrics.
need_fonts() {
    [[ -e /usr/share/fonts/truetype/liberation2 ]] ||
        { echo "installing fonts-liberation2" >&2; DEBIAN_FRONTEND=noninteractive apt-get install -y fonts-liberation2 >/dev/null; }
}

# Set by start_xvfb.
XVFB_PID=
export XVFB_DISPLAY=

# start_xvfb WIDTHxHEIGHT: a fresh server on a free display number, ready
# for clients when this returns.
start_xvfb() {
    local size=$1 numberFile
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$numberFile" 2>>"$WORK_DIR/xvfb.log" &
    XVFB_PID=$!
    local tries=0
    until [[ -s $numberFile ]]; do
        if ! kill -0 "$XVFB_PID" 2>/dev/null || ((++tries > 100)); then
            echo "Xvfb did not start; see $WORK_DIR/xvfb.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    XVFB_DISPLAY=:$(tr -d '\n' <"$numberFile")
    rm -f "$numberFile"
}

stop_process() {
    local pid=$1
    [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# cpu_ticks PID: user plus system time so far, in clock ticks. The command
# name may hold spaces, so the fields are counted after its closing bracket.
cpu_ticks() {
    local stat
    stat=$(<"/proc/$1/stat")
    stat=${stat##*) }
    # shellcheck disable=SC2086
    set -- $stat
    echo $((${12} + ${13}))
}

# cpu_us PID: the time the process's running threads have spent on a
# processor so far, in microseconds, from the scheduler's nanosecond count:
# a steady clock uses a few hundredths of a second a minute, below what
# clock ticks can tell apart. Threads that have ended are not counted.
cpu_us() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%d", ns / 1000 }'
}

# peak_rss_kib PID: the most resident memory the process has had.
peak_rss_kib() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}

# expect_running NAME: ends the run with the client's output unless the
# client in CLIENT_PID is still running.
expect_running() {
    kill -0 "$CLIENT_PID" 2>/dev/null && return 0
    echo "$1 ended before the run was over:" >&2
    cat "$WORK_DIR/$1.log" >&2
    exit 1
}

# median: the middle of the numbers on standard input, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

seconds_of() {
    awk -v t="$1" -v hz="$CLOCK_TICKS" 'BEGIN { printf "%.2f", t / hz }'
}

# find_program: the built clock, or a clear message.
find_program() {
    local program=${HORAVISTA:-$REPO_DIR/build/horavista}
    if [[ ! -x $program ]]; then
        echo "no program at $program: build it, or set HORAVISTA to the built horavista" >&2
        exit 1
    fi
    echo "$program"
}

# largest_window DISPLAY: the size of the biggest top-level window there.
largest_window() {
    command -v xwininfo >/dev/null 2>&1 || { echo "?"; return; }
    DISPLAY=$1 xwininfo -root -children 2>/dev/null | awk '
        /^ +0x/ {
            for (i = 1; i <= NF; ++i)
                if ($i ~ /^[0-9]+x[0-9]+\+/) {
                    split($i, g, "+"); split(g[1], d, "x")
                    if (d[1] * d[2] > best) { best = d[1] * d[2]; size = g[1] }
                }
        }
        END { print (size == "" ? "?" : size) }'
}

# use_work_dir: a temporary folder in WORK_DIR for the run's files, and on
# exit the client in CLIENT_PID and the server stopped and the folder gone.
use_work_dir() {
    WORK_DIR=$(mktemp -d)
    CLIENT_PID=
    trap 'stop_process "$CLIENT_PID"; stop_process "$XVFB_PID"; rm -rf "$WORK_DIR"' EXIT
}

# usage: clock_at_start_config FOLDER: makes FOLDER an XDG_CONFIG_HOME in
# which the program starts straight into its clock, as it does at log-in
# ("Windows Startup" = "On"; the start writes no log-in entry).
clock_at_start_config() {
    mkdir -p "$1/Quellmark"
    printf '[Horavista]\nWindows%%20Startup=On\n' >"$1/Quellmark/Horavista.ini"
}
