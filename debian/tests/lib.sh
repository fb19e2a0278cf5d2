# Sourced by the package's tests, which run from the top of the unpacked source and start the
# installed /usr/bin/ostrelo. Each check prints one line, PASS or FAIL; a test fails at its end if
# any of its checks did. Waits that must end are bounded, generously: a slow machine is no failure.
set -u
. scripts/desktop.sh
scratch=$(mktemp -d "${AUTOPKGTEST_TMP:-/tmp}/test.XXXXXX")
failed=0
monitor="" tray="" xvfb="" weston=""
check() {
    description=$1
    shift
    if "$@"; then echo "PASS  $description"; else echo "FAIL  $description" && failed=1; fi
}
until_true() {
    deadline=$(($(date +%s) + 60))
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}
# gone PID: it has ended, whether or not the shell has reaped it (a zombie still answers kill -0).
gone() {
    case $(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) in '' | Z* | X*) return 0 ;; esac
    return 1
}
exited() { gone "$monitor"; }
# stopped_with_zero: SIGTERM ends the monitor, with exit status 0.
stopped_with_zero() {
    kill -TERM "$monitor"
    check "SIGTERM ends it" until_true exited
    exited && wait "$monitor"
    check "exit status 0 after SIGTERM (got $?)" test "$?" -eq 0
}
# The window's height grows once its fourth box (CPU frequency) is ticked from the keyboard.
tick_cpu_frequency() { # WINDOW XDOTOOL-COMMAND
    before=$(xdotool getwindowgeometry "$1")
    xdotool "$2" --sync "$1" key Tab Tab Tab space
    check "the CPU frequency box is ticked from the keyboard" until_true grew "$1"
}
grew() { [ "$(xdotool getwindowgeometry "$1")" != "$before" ]; }
# In an Xfce session the window is the window manager's frame's child, no longer a top level.
session_window() { xdotool search --onlyvisible --name '^Ostrelo$' 2>/dev/null | head -n 1; }
# closes_to_tray: Alt+F4, which xfwm4 turns into the close request of a window's close button,
# puts the window away while the panel's tray shows the icon, and the monitor runs on.
closes_to_tray() {
    xdotool windowactivate --sync "$(session_window)" key alt+F4
    check "Alt+F4 puts the window away" until_true put_away
    sleep 2
    check "and the monitor runs on" running
}
put_away() { [ -z "$(session_window)" ]; }
running() { ! exited; }
finish() {
    [ -n "$monitor" ] && kill -KILL "$monitor" 2>/dev/null
    for pid in $tray $xvfb $weston; do kill "$pid" 2>/dev/null; done
    [ -n "${OSTRELO_SESSION:-}" ] && stop_xfce_session
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT
trap 'exit 130' INT TERM HUP
