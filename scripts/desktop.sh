# Sourced by the measuring scripts: start_desktop DIR gives this shell a private desktop under DIR,
# its own settings store and TMPDIR (so the instance lock of a monitor already running elsewhere
# does not interfere), an Xvfb with trayer as tray host, and DISPLAY pointing at it. The server
# and the tray host are $xvfb and $tray, for the caller to end.
start_desktop() {
    export XDG_CONFIG_HOME="$1/config" TMPDIR="$1" XDG_RUNTIME_DIR="$1/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" 2>/dev/null &
    xvfb=$!
    until [ -s "$1/display" ]; do sleep 0.05; done
    export DISPLAY=":$(cat "$1/display")"
    trayer --edge top --align right --widthtype request --height 32 >/dev/null 2>&1 &
    tray=$!
    sleep 1
}
