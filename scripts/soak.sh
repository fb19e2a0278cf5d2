#!/bin/sh
# Soak run: the built monitor under Xvfb with a tray host for MINUTES minutes, once with a fake
# smartctl that answers at once and once with one that hangs. Reports resident memory at one
# minute and at the end, leftover smartctl processes and zombies, and whether a tray click still
# toggles the main window.
#   scripts/soak.sh [BINARY] [MINUTES]
set -eu
binary=$(readlink -f "${1:-build/bin/ostrelo}")
minutes=${2:-10}
table=$(readlink -f "$(dirname "$0")/../tests/fixtures/smartctl/hdd.txt")

. "$(dirname "$0")/desktop.sh"

rss() { awk '/^VmRSS/ { print $2 " kB" }' "/proc/$1/status"; }
# Children of PID named smartctl, and zombies among all its children.
smartctl_children() { ps -o comm= --ppid "$1" | grep -c '^smartctl$' || true; }
zombie_children() { ps -o stat= --ppid "$1" | grep -c '^Z' || true; }
main_window_visible() { xdotool search --maxdepth 1 --onlyvisible --name '^Ostrelo$' >/dev/null 2>&1; }

soak() {
    mode=$1
    scratch=$(mktemp -d)
    mkdir -p "$scratch/bin"
    if [ "$mode" = answering ]; then
        printf '#!/bin/sh\ncat "%s"\n' "$table" >"$scratch/bin/smartctl"
    else
        # Hangs as smartctl does on a disk that does not answer; the loop keeps the name.
        printf '#!/bin/sh\nwhile :; do sleep 1; done\n' >"$scratch/bin/smartctl"
    fi
    chmod +x "$scratch/bin/smartctl"

    (
        export PATH="$scratch/bin:$PATH"
        start_desktop "$scratch"
        "$binary" 2>/dev/null &
        monitor=$!
        sleep 60
        at_minute=$(rss $monitor)
        sleep $((minutes * 60 - 60))
        at_end=$(rss $monitor)
        in_flight=$(smartctl_children $monitor)
        zombies=$(zombie_children $monitor)
        # Our icon is the only one in the tray: click the middle of tint2's panel.
        panel=$(xdotool search --onlyvisible --class '^tint2$' | head -1)
        eval "$(xdotool getwindowgeometry --shell "$panel")"
        click_icon() { xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1; }
        # A pass may hold the event loop for up to 3 s while smartctl hangs: wait for the answer.
        toggles=no
        main_window_visible && click_icon && sleep 5 && ! main_window_visible \
            && click_icon && sleep 5 && main_window_visible && toggles=yes
        kill -TERM $monitor
        wait $monitor && status=0 || status=$?
        left=$(pgrep -c -x smartctl || true)
        kill $tray $xvfb
        wait 2>/dev/null || true
        echo "smartctl $mode, $minutes min: RSS at 1 min $at_minute, at end $at_end;" \
            "smartctl children at end $in_flight (one pass in flight at most), zombies $zombies;" \
            "tray click toggles the window: $toggles; exit status after SIGTERM $status;" \
            "smartctl processes left after exit: $left"
    )
    rm -rf "$scratch"
}

soak answering
soak hanging
