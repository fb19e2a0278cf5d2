#!/bin/sh
# Runs one test in a world of its own: a fresh settings store (XDG_CONFIG_HOME), a fresh TMPDIR
# (where the instance lock's key file lives) and, on request, a private X server with a tray host.
#   isolate.sh offscreen|x11|tray COMMAND [ARGS...]
# In tray mode TRAYWAIT names the helper that waits for the tray selection to be owned.
set -u
mode=$1
shift

scratch=$(mktemp -d "${TMPDIR:-/tmp}/ostrelo-test.XXXXXX")
mkdir -p "$scratch/config" "$scratch/tmp" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config" TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch"
unset XDG_CURRENT_DESKTOP DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORMTHEME
pids=""

cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null; done
    for pid in $pids; do wait "$pid" 2>/dev/null; done
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ "$mode" = offscreen ]; then
    export QT_QPA_PLATFORM=offscreen
else
    # -displayfd lets the server pick a free display number, so tests can run side by side.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
    pids="$!"
    tries=0
    until [ -s "$scratch/display" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "isolate.sh: Xvfb did not start" >&2
            cat "$scratch/xvfb.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb
    if [ "$mode" = tray ]; then
        trayer --edge top --align right --widthtype request --height 32 --expand true \
            --transparent false --tint 0x404040 >"$scratch/trayer.log" 2>&1 &
        pids="$! $pids"
        # The tray is usable once some client owns the _NET_SYSTEM_TRAY_S0 selection.
        if ! "$TRAYWAIT"; then
            echo "isolate.sh: no tray host came up" >&2
            cat "$scratch/trayer.log" >&2
            exit 1
        fi
    fi
fi

"$@"
