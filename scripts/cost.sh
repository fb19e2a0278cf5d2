#!/bin/sh
# What the monitor costs: start-up time to the window on screen, resident memory, and CPU time of
# the process and its children over a minute, on a private Xvfb with a tray host.
#   scripts/cost.sh [BINARY] [SECONDS]
# SMARTCTL_DIR, when set, is put first on PATH (a fake smartctl); otherwise none is found.
set -eu
binary=$(readlink -f "${1:-build/bin/ostrelo}")
seconds=${2:-60}
[ -n "${SMARTCTL_DIR:-}" ] && export PATH="$(readlink -f "$SMARTCTL_DIR"):$PATH"
. "$(dirname "$0")/desktop.sh"
scratch=$(mktemp -d)
start_desktop "$scratch"
monitor=""
trap 'kill $monitor $tray $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"' EXIT

ticks=$(getconf CLK_TCK)
cpu_ms() { # utime + stime + cutime + cstime of PID, in ms
    awk -v t="$ticks" '{ sub(/^.*\) /, ""); print ($12 + $13 + $14 + $15) * 1000 / t }' "/proc/$1/stat"
}

start=$(date +%s%N)
"$binary" 2>/dev/null &
monitor=$!
until xdotool search --maxdepth 1 --onlyvisible --name '^Ostrelo$' >/dev/null 2>&1; do :; done
shown=$(date +%s%N)
echo "start-up to window on screen: $(( (shown - start) / 1000000 )) ms"

sleep 5 # warm-up
before=$(cpu_ms $monitor)
sleep "$seconds"
after=$(cpu_ms $monitor)
echo "CPU time over ${seconds} s (process and children): $(awk "BEGIN { print $after - $before }") ms"
grep -E 'VmRSS|VmHWM' "/proc/$monitor/status" | tr -s ' \t' ' '
