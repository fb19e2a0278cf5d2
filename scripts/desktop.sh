# Sourced by the measuring scripts, the package's tests and tests/isolate.sh.
# start_tray_host DIR: the tray host on $DISPLAY, its pid in $tray. TRAY_HOST_COMMAND is the
# command that started it, one simple command, which starts another on the same server. The host
# is tint2 showing its system tray alone, at the top right, with icons of 24 x 24 pixels, its
# configuration in DIR/tint2rc: every supported Debian release ships it (17.0.1 in 12, 13 and
# testing alike). tint2 waits up to 15 s for a window manager to set _NET_NUMBER_OF_DESKTOPS;
# there is none on these servers, so this sets it to 1, a root window property that the server
# keeps once its last client has gone only when started with -noreset.
start_tray_host() {
    cat >"$1/tint2rc" <<'EOF'
panel_items = S
panel_position = top right horizontal
panel_size = 100% 32
panel_shrink = 1
systray_icon_size = 24
EOF
    xprop -root -f _NET_NUMBER_OF_DESKTOPS 32c -set _NET_NUMBER_OF_DESKTOPS 1
    TRAY_HOST_COMMAND="tint2 -c '$1/tint2rc'"
    sh -c "exec $TRAY_HOST_COMMAND" >/dev/null 2>&1 &
    tray=$!
}

# start_desktop DIR gives this shell a private desktop under DIR, its own settings store and
# TMPDIR (so the instance lock of a monitor already running elsewhere does not interfere), an Xvfb
# with the tray host, and DISPLAY pointing at it. The server and the tray host are $xvfb and
# $tray, for the caller to end.
start_desktop() {
    export XDG_CONFIG_HOME="$1/config" TMPDIR="$1" XDG_RUNTIME_DIR="$1/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" 2>/dev/null &
    xvfb=$!
    until [ -s "$1/display" ]; do sleep 0.05; done
    export DISPLAY=":$(cat "$1/display")"
    start_tray_host "$1"
    sleep 1
}

# start_xfce_session DIR: a real Xfce session under DIR instead, as a login starts one: Xvfb, a
# session bus of its own, xfce4-session with xfwm4 and Xfce's default panel, whose tray is a
# StatusNotifierItem host; HOME and the XDG folders are DIR's. It returns once the window manager
# runs and the tray is up, with SESSION_MANAGER taken from the window manager (a client the
# session started), so that a program started now registers with the session manager over XSMP,
# as one started from the menu does. Every process of the session carries OSTRELO_SESSION=DIR in
# its environment; stop_xfce_session ends those that are left.
start_xfce_session() {
    export HOME="$1/home" XDG_CONFIG_HOME="$1/config" XDG_CACHE_HOME="$1/cache" \
        XDG_DATA_HOME="$1/data" XDG_RUNTIME_DIR="$1/runtime" XDG_CURRENT_DESKTOP=XFCE \
        OSTRELO_SESSION="$1"
    channels="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
    mkdir -p "$HOME" "$channels" "$XDG_CONFIG_HOME/autostart" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    cp /etc/xdg/xfce4/panel/default.xml "$channels/xfce4-panel.xml"
    # None of the machine's autostart programs: the session starts the same few everywhere.
    for entry in /etc/xdg/autostart/*.desktop; do
        [ -e "$entry" ] && printf '[Desktop Entry]\nHidden=true\n' >"$XDG_CONFIG_HOME/autostart/${entry##*/}"
    done
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$1/display" 2>/dev/null &
    xvfb=$!
    until [ -s "$1/display" ]; do sleep 0.05; done
    export DISPLAY=":$(cat "$1/display")"
    DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 \
        --address="unix:path=$XDG_RUNTIME_DIR/bus") || return 1
    export DBUS_SESSION_BUS_ADDRESS
    xfce4-session >"$1/session.log" 2>&1 &
    session=$!
    deadline=$(($(date +%s) + 90))
    until window_manager=$(session_process xfwm4) && tray_host_up; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
    SESSION_MANAGER=$(tr '\0' '\n' <"/proc/$window_manager/environ" | sed -n 's/^SESSION_MANAGER=//p')
    export SESSION_MANAGER
}

# The pids of the processes of the session under $OSTRELO_SESSION, or of those named $1.
session_process() {
    for proc in /proc/[0-9]*; do
        [ -z "${1:-}" ] || [ "$(cat "$proc/comm" 2>/dev/null)" = "$1" ] || continue
        { tr '\0' '\n' <"$proc/environ"; } 2>/dev/null \
            | grep -qxF "OSTRELO_SESSION=$OSTRELO_SESSION" && echo "${proc#/proc/}"
    done | grep .
}

# The panel's tray is a StatusNotifierItem host: the property $1 of its watcher, printed.
tray_watcher() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher string:"$1" \
        2>/dev/null
}
tray_host_up() { tray_watcher IsStatusNotifierHostRegistered | grep -q 'boolean true'; }
# in_tray PID: the tray holds an item of process PID.
in_tray() { tray_watcher RegisteredStatusNotifierItems | grep -q "StatusNotifierItem-$1-"; }

# in_panel PID: a window of process PID has been taken into the panel, as its tray takes an icon
# through the X11 tray protocol (Qt's choice where no StatusNotifierItem host was up at its start).
in_panel() {
    for window in $(xdotool search --pid "$1" 2>/dev/null); do
        while window=$(xwininfo -children -id "$window" 2>/dev/null \
            | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p') && [ "${window:-0x0}" != 0x0 ]; do
            xprop -id "$window" WM_CLASS 2>/dev/null | grep -q -e '"xfce4-panel"' -e '"wrapper-2.0"' \
                && return 0
        done
    done
    return 1
}

# The session's processes that are left (its bus and the services it started among them).
stop_xfce_session() {
    kill $(session_process) 2>/dev/null
    sleep 1
    kill -KILL $(session_process) 2>/dev/null
    wait 2>/dev/null
}
