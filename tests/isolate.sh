#!/bin/sh
# Runs one test in a world of its own: a fresh settings store (XDG_CONFIG_HOME), TMPDIR and
# runtime directory and, for the tray kind, a private X server with trayer as tray host.
#   isolate.sh offscreen|tray COMMAND [ARGS...]
set -u
kind=$1
shift
scratch=$(mktemp -d "${TMPDIR:-/tmp}/ostrelo-test.XXXXXX")
mkdir -p "$scratch/config" "$scratch/tmp" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config" TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch"
unset XDG_CURRENT_DESKTOP DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORMTHEME QT_LOGGING_RULES
pids=""
trap 'kill $pids 2>/dev/null; wait; rm -rf "$scratch"' EXIT
trap 'exit 130' INT TERM

if [ "$kind" = offscreen ]; then
    export QT_QPA_PLATFORM=offscreen
else
    # -displayfd lets the server pick a free display number, so tests can run side by side.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
    pids=$!
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    [ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; exit 1; }
    export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb
    trayer --edge top --align right --widthtype request --height 32 --expand true \
        --transparent false --tint 0x404040 >/dev/null 2>&1 &
    export TRAY_HOST=$!
    pids="$! $pids"
fi
"$@"
