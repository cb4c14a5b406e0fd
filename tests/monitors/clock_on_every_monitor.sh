#!/bin/sh
# The program started straight into the clock on an X server of its own
# with two monitors side by side: a clock window covers each; a third
# monitor plugged in gets its window within two seconds, and unplugged,
# loses it while the program runs on. Prints how long the new monitor
# waited for its window.
# usage: clock_on_every_monitor.sh PROGRAM
set -eu
program=$1
work=$(mktemp -d)
server= clock=
cleanup() {
  [ -z "$clock" ] || kill "$clock" 2>/dev/null || true
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# -noreset: the server would drop the monitors when its last client leaves.
Xvfb -displayfd 3 -noreset -screen 0 5760x1080x24 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$work/display")
export DISPLAY
xrandr --setmonitor A 1920/508x1080/286+0+0 screen >/dev/null
xrandr --setmonitor B 1920/508x1080/286+1920+0 none >/dev/null

mkdir -p "$work/config/Quellmark"
printf '[Horavista]\nWindows%%20Startup=On\nCheck4=0\n' >"$work/config/Quellmark/Horavista.ini"
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$program" &
clock=$!

# The program's shown windows, one "X Y WIDTH HEIGHT" line each, sorted.
windows() {
  for id in $(xdotool search --onlyvisible --pid "$clock" 2>/dev/null); do
    xdotool getwindowgeometry --shell "$id" | awk -F= '
      /^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}'
  done | sort -n
}
# Waits up to limit tenths of a second for the windows to be expected.
await() {
  expected=$1 limit=$2
  for _ in $(seq "$limit"); do
    [ "$(windows)" = "$expected" ] && return 0
    sleep 0.1
  done
  echo "expected windows:"; echo "$expected"; echo "shown:"; windows
  return 1
}

two="0 0 1920 1080
1920 0 1920 1080"
await "$two" 100

start=$(date +%s%N)
xrandr --setmonitor C 1920/508x1080/286+3840+0 none >/dev/null
await "$two
3840 0 1920 1080" 20
echo "monitor C got its clock after $((($(date +%s%N) - start) / 1000000)) ms"

xrandr --delmonitor C
await "$two" 20
kill -0 "$clock"
echo "clock on every monitor: passed"
