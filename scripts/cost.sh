#!/bin/sh
# What the monitor costs, with smartctl on its search path and without, next to a floor:
# bench/floor.cpp, a plain Qt Widgets program that shows eight labels and a tray tooltip refreshed
# once a second from /proc/stat and /proc/meminfo. The three run side by side, each on its own
# private Xvfb with a tray host and its own settings store; they start one after the other, then
# all are measured over the same SECONDS after the same 5 s warm-up, so the other work on the
# machine weighs on them alike. Printed for each: start-up to the window on screen, CPU time of
# the process and its reaped children, processes started, VmRSS and VmHWM at the end; and CPU
# time and resident memory as multiples of the floor's.
#   scripts/cost.sh [BINARY] [SECONDS]
# FLOOR names the floor program; by default bench/ostrelo_floor of BINARY's build tree.
# "without smartctl": the directories on PATH that hold one are left out of the monitor's PATH.
# "with smartctl": SMARTCTL_DIR is put first on it; by default the directory of the smartctl on
# PATH or in /usr/sbin, where smartmontools installs it. As an ordinary account that smartctl
# cannot open the disk and fails every second; it only gives a figure to root. The floor runs with
# the caller's PATH.
set -eu
binary=$(readlink -f "${1:-build/bin/ostrelo}")
seconds=${2:-60}
floor_binary=$(readlink -f "${FLOOR:-$(dirname "$binary")/../bench/ostrelo_floor}")
for program in "$binary" "$floor_binary"; do
    [ -x "$program" ] || { echo "cost.sh: no program at $program" >&2; exit 1; }
done
command -v strace >/dev/null || { echo "cost.sh: needs strace" >&2; exit 1; }

path_without_smartctl() (
    set -f
    IFS=:
    kept=""
    for dir in $PATH; do
        [ -x "$dir/smartctl" ] || kept="$kept${kept:+:}$dir"
    done
    echo "$kept"
)
monitor_path=$(path_without_smartctl)
smartctl=$(PATH="$PATH:/usr/sbin" command -v smartctl) \
    || { echo "cost.sh: no smartctl to measure with (install smartmontools)" >&2; exit 1; }
smartctl_dir=$(readlink -f "${SMARTCTL_DIR:-$(dirname "$smartctl")}")

. "$(dirname "$0")/desktop.sh"
scratch=$(mktemp -d)
started=""
trap 'kill $started 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"' EXIT
trap 'exit 1' HUP INT TERM

ticks=$(getconf CLK_TCK)
cpu_ms() { # utime + stime + cutime + cstime of PID, in ms
    awk -v t="$ticks" '{ sub(/^.*\) /, ""); printf "%d\n", ($12 + $13 + $14 + $15) * 1000 / t }' \
        "/proc/$1/stat"
}
status_kb() { awk -v field="$2:" '$1 == field { print $2 }' "/proc/$1/status"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f\n", a / b; else print "-" }'; }
ended() { read -r stat <"/proc/$1/stat" && case $stat in *") Z "*) ;; *) return 1 ;; esac; }

# Children are counted by strace, because a sampler of the process tree would miss them: a child
# that finds no smartctl lives about a millisecond. strace writes a line for each fork, vfork and
# clone of the program or of its descendants, so grandchildren count too; new threads carry
# CLONE_THREAD and are left out. With --seccomp-bpf only those calls stop the program while all
# others run untraced, and the CPU figures came out the same with and without it. -D makes the
# tracer a detached grandchild, so that $! is the program itself.
forks() {
    grep -E '^[0-9]+ +(v?fork|clone3?)\(' "$scratch/$1/forks" | grep -vc CLONE_THREAD || true
}

# launch NAME TITLE COMMAND...: a private desktop under $scratch/NAME, COMMAND started on it,
# $pid and $startup_ms set once its window titled TITLE is on screen.
launch() {
    name=$1 title=$2
    shift 2
    mkdir "$scratch/$name"
    start_desktop "$scratch/$name"
    started="$started $xvfb $tray"
    start=$(date +%s%N)
    strace -D -f --seccomp-bpf -qq -e trace=fork,vfork,clone,clone3 -e signal=none \
        -o "$scratch/$name/forks" "$@" 2>/dev/null &
    pid=$!
    started="$started $pid"
    until xdotool search --maxdepth 1 --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        if ended $pid; then
            echo "cost.sh: $name ended before its window showed" >&2
            exit 1
        fi
    done
    startup_ms=$((($(date +%s%N) - start) / 1000000))
}

launch bare Ostrelo env PATH="$monitor_path" "$binary"
bare=$pid bare_startup=$startup_ms
launch smartctl Ostrelo env PATH="$smartctl_dir:$monitor_path" "$binary"
smartctl=$pid smartctl_startup=$startup_ms
launch floor "Ostrelo floor" "$floor_binary"
floor=$pid floor_startup=$startup_ms

sleep 5 # warm-up
bare_cpu=$(cpu_ms $bare) bare_forks=$(forks bare)
smartctl_cpu=$(cpu_ms $smartctl) smartctl_forks=$(forks smartctl)
floor_cpu=$(cpu_ms $floor) floor_forks=$(forks floor)
sleep "$seconds"
bare_cpu=$(($(cpu_ms $bare) - bare_cpu)) bare_forks=$(($(forks bare) - bare_forks))
smartctl_cpu=$(($(cpu_ms $smartctl) - smartctl_cpu))
smartctl_forks=$(($(forks smartctl) - smartctl_forks))
floor_cpu=$(($(cpu_ms $floor) - floor_cpu)) floor_forks=$(($(forks floor) - floor_forks))
per_minute() { echo $(($1 * 60 / seconds)); }

echo "without smartctl: PATH has none; with smartctl: $smartctl_dir first on PATH"
row() { printf '%-42s %12s %12s %10s %14s %14s\n' "$@"; }
row "" "monitor" "monitor" floor "monitor/floor" "monitor/floor"
row "" "no smartctl" "smartctl" "" "no smartctl" "smartctl"
row "start-up to window on screen (ms)" "$bare_startup" "$smartctl_startup" "$floor_startup" "" ""
row "CPU time over $seconds s, with children (ms)" "$bare_cpu" "$smartctl_cpu" "$floor_cpu" "" ""
row "CPU time per minute (ms)" "$(per_minute $bare_cpu)" "$(per_minute $smartctl_cpu)" \
    "$(per_minute $floor_cpu)" \
    "$(ratio $bare_cpu $floor_cpu)" "$(ratio $smartctl_cpu $floor_cpu)"
row "processes started over $seconds s" "$bare_forks" "$smartctl_forks" "$floor_forks" "" ""
for field in VmRSS VmHWM; do
    bare_kb=$(status_kb $bare $field) smartctl_kb=$(status_kb $smartctl $field)
    floor_kb=$(status_kb $floor $field)
    row "$field (kB)" "$bare_kb" "$smartctl_kb" "$floor_kb" "$(ratio "$bare_kb" "$floor_kb")" \
        "$(ratio "$smartctl_kb" "$floor_kb")"
done
