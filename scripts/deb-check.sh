#!/bin/sh
# Judges the Debian packages built by `make deb` the way Debian and its users would: lintian on
# the source and binary packages, desktop-file-validate and appstreamcli on the .deb's files, then
# `apt-get install` of the .deb and the installed /usr/bin/ostrelo where users meet it: on a
# private Xvfb with trayer as tray host (window, icon, tray icon and its picture, a second start
# refused in English, a choice saved on SIGTERM), launched from its menu entry (no log lines), on
# Wayland (weston, headless) and in a real Xfce session that logs out; last `apt-get purge`,
# after which no file of it may be left.
#   scripts/deb-check.sh [DEB_DIR]     (root only; `make deb-check` builds the package first)
# OSTRELO_HOMEPAGE_URL, OSTRELO_BUGTRACKER_URL and OSTRELO_SCREENSHOT_URL are the addresses the
# package was built with (empty by default), as `make deb` took them.
# The package is installed without its recommendations, so that the purge leaves the machine as
# it was. An ostrelo package installed before is purged first, so the check can run again.
set -u
cd "$(dirname "$0")/.."

if [ "$(id -u)" != 0 ]; then
    echo "deb-check installs and purges the ostrelo package: run it as root." >&2
    exit 1
fi

deb_dir=${1:-build-deb}
homepage=${OSTRELO_HOMEPAGE_URL:-}
bugtracker=${OSTRELO_BUGTRACKER_URL:-}
screenshot=${OSTRELO_SCREENSHOT_URL:-}
arch=$(dpkg --print-architecture)
export DEBIAN_FRONTEND=noninteractive
# Waits that must end are bounded, generously: a slow machine is not a failure.
wait_seconds=60

passed=0
failed=0
failures=""
pass() {
    passed=$((passed + 1))
    echo "PASS  $1"
}
fail() {
    failed=$((failed + 1))
    failures="$failures
      $1"
    echo "FAIL  $1"
}
# check DESCRIPTION COMMAND [ARGS...]: one line per check, PASS or FAIL.
check() {
    description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}
section() { printf '\n== %s\n' "$1"; }

# until_true COMMAND [ARGS...]: true as soon as COMMAND is, false after wait_seconds.
until_true() {
    deadline=$(($(date +%s) + wait_seconds))
    until "$@"; do
        [ "$(date +%s)" -ge "$deadline" ] && return 1
        sleep 0.2
    done
}

scratch=$(mktemp -d)
monitor=""
tray=""
xvfb=""
weston=""
installed_here=no
cleanup() {
    [ -n "$monitor" ] && kill -KILL "$monitor" 2>/dev/null
    [ -n "$tray" ] && kill "$tray" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$weston" ] && kill "$weston" 2>/dev/null
    [ -n "${OSTRELO_SESSION:-}" ] && stop_xfce_session
    wait 2>/dev/null
    # Stopped half-way: the package does not stay behind.
    if [ "$installed_here" = yes ]; then
        apt-get purge -y -qq ostrelo >/dev/null 2>&1
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

summary() {
    section "Summary"
    if [ "$failed" -gt 0 ]; then
        echo "Failed:$failures"
    fi
    echo "deb-check: $passed passed, $failed failed"
    [ "$failed" -eq 0 ] && exit 0
    exit 1
}

# ---------------------------------------------------------------------------------------------
section "The package file"
set -- "$deb_dir"/ostrelo_*.deb
if [ "$#" -ne 1 ] || [ ! -f "$1" ]; then
    fail "exactly one ostrelo_*.deb in $deb_dir (found: $*); run make deb"
    summary
fi
deb=$(readlink -f "$1")
version=$(dpkg-deb -f "$deb" Version)
# The program's own version: without an epoch and the Debian revision (1.0 of 1.0-1).
upstream=${version#*:}
upstream=${upstream%-*}
echo "$deb"
check "named ostrelo_<version>_<arch>.deb (ostrelo_${version#*:}_${arch}.deb)" \
    test "$(basename "$deb")" = "ostrelo_${version#*:}_${arch}.deb"
check "version $version has a Debian revision" test "$upstream" != "${version#*:}"
check "version $version is the project's $upstream (CMakeLists.txt)" \
    grep -q "^project(ostrelo VERSION $upstream " CMakeLists.txt
set -- "$deb_dir"/ostrelo_"${version#*:}"_*.changes
check "the source package beside it: one ostrelo_${version#*:}_*.changes (found: $*)" \
    test "$#" -eq 1 -a -f "$1"
changes=$1
check "the PNG icons are renderings of data/ostrelo.svg" scripts/render-icons.sh --check

for field in Depends Recommends Suggests; do
    echo "$field: $(dpkg-deb -f "$deb" $field)"
done
# The package names in a relation field, one a line.
names() { dpkg-deb -f "$deb" "$1" | tr ',|' '\n\n' | sed -e 's/^ *//' -e 's/[ (].*//' | grep -v '^$'; }
names Depends >"$scratch/depends"
names Recommends >"$scratch/recommends"
names Suggests >"$scratch/suggests"
has_all() { # FILE NAME...
    list=$1
    shift
    for name in "$@"; do grep -qxF "$name" "$list" || return 1; done
}
# has_one FILE NAME...: one of the names at least, for a library that Debian 13's move to a
# 64-bit time_t renamed (libqt5core5a became libqt5core5t64, and so on).
has_one() {
    list=$1
    shift
    for name in "$@"; do grep -qxF "$name" "$list" && return 0; done
    return 1
}
qt_libraries() {
    has_one "$1" libqt5core5a libqt5core5t64 && has_one "$1" libqt5gui5 libqt5gui5t64 \
        && has_one "$1" libqt5widgets5 libqt5widgets5t64
}
computed_depends() {
    has_all "$scratch/depends" libc6 libstdc++6 && qt_libraries "$scratch/depends"
}
check "Depends computed from the binary: libc6, libstdc++6 and Qt's libraries" computed_depends
check "no development package among the relations" \
    sh -c '! cat "$@" | grep -q -- "-dev$"' - "$scratch/depends" "$scratch/recommends" \
    "$scratch/suggests"
# smartctl gives the disk temperature to root only, and fails for everyone else each second.
check "smartmontools suggested" has_all "$scratch/suggests" smartmontools
check "smartmontools not recommended" sh -c '! grep -qx smartmontools "$1"' - "$scratch/recommends"
check "recommended: a font for the Chinese texts (fonts-wqy-microhei | fonts-noto-cjk) and Qt's own translations" \
    test "$(dpkg-deb -f "$deb" Recommends)" = "fonts-wqy-microhei | fonts-noto-cjk, qttranslations5-l10n"

# ---------------------------------------------------------------------------------------------
section "lintian"
# On the .changes: the source package (.dsc, the tarballs) and the binary packages.
# Without a homepage (the project has none yet) AppStream 1.0 warns url-homepage-missing, which
# Debian 13's lintian reports as appstream-metadata-validation-failed: no more than "appstreamcli
# validate-tree failed". The appstreamcli checks below run it themselves and let that one
# warning alone pass, so lintian's report of it is left out then. Debian 12's lintian has no
# such tag, and refuses to leave out one it does not know.
suppress=""
if [ -z "$homepage" ] \
    && lintian-explain-tags appstream-metadata-validation-failed >/dev/null 2>&1; then
    suppress="--suppress-tags appstream-metadata-validation-failed"
    echo "(no homepage was given: appstream-metadata-validation-failed is left to the appstreamcli checks)"
fi
lintian --display-info --pedantic --show-overrides $suppress "$changes" >"$scratch/lintian" 2>&1
lintian_status=$?
grep -v '^running with root privileges is not recommended!$' "$scratch/lintian"
check "lintian: no error" sh -c '! grep -q "^E: " "$1"' - "$scratch/lintian"
check "lintian: no warning (each one fixed or overridden with its reason)" \
    sh -c '! grep -q "^W: " "$1"' - "$scratch/lintian"
check "lintian exit status 0 (got $lintian_status)" test "$lintian_status" -eq 0

# ---------------------------------------------------------------------------------------------
section "The files in the package"
tree="$scratch/tree"
dpkg-deb -x "$deb" "$tree"
# Every path of the package, from its own listing: the purge is checked against it.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -e 's|^\./|/|' -e 's|/$||' | grep -v '^$' \
    | sort >"$scratch/paths"
while read -r path; do
    [ -d "$tree$path" ] || echo "$path"
done <"$scratch/paths" | tee "$scratch/files"

for file in /usr/bin/ostrelo \
    /usr/share/icons/hicolor/48x48/apps/ostrelo.png \
    /usr/share/icons/hicolor/scalable/apps/ostrelo.svg \
    /usr/share/icons/hicolor/256x256/apps/ostrelo.png \
    /usr/share/ostrelo/translations/ostrelo_en.qm \
    /usr/share/applications/ostrelo.desktop \
    /usr/share/metainfo/io.github.ostrelo.ostrelo.metainfo.xml \
    /usr/share/man/man1/ostrelo.1.gz \
    /usr/share/doc/ostrelo/copyright \
    /usr/share/doc/ostrelo/changelog.Debian.gz; do
    check "contains $file" grep -qx "$file" "$scratch/files"
done
# dpkg-deb's own listing: what dpkg will create, whatever the umask of whoever built it.
dpkg-deb -c "$deb" | awk '{ print $1, $2, $NF }' >"$scratch/modes"
modes_as_debian_wants() {
    awk '
        $2 != "root/root" { print; next }
        /^d/ && $1 != "drwxr-xr-x" { print; next }
        /^-/ && $3 == "./usr/bin/ostrelo" && $1 != "-rwxr-xr-x" { print; next }
        /^-/ && $3 != "./usr/bin/ostrelo" && $1 != "-rw-r--r--" { print; next }
    ' "$scratch/modes" | sed 's/^/    /' | grep . && return 1
    return 0
}
check "owned by root; directories and /usr/bin/ostrelo 0755, every other file 0644" \
    modes_as_debian_wants
check "desktop-file-validate: the desktop entry is clean" \
    desktop-file-validate "$tree/usr/share/applications/ostrelo.desktop"
# appstream_clean COMMAND...: appstreamcli reports no error and no warning. Without a homepage
# (the project has none yet) AppStream 1.0 warns url-homepage-missing, and that one warning
# alone is let pass then; AppStream 0.16 knows no such warning.
appstream_clean() {
    appstreamcli "$@" >"$scratch/appstream" 2>&1
    appstream_status=$?
    cat "$scratch/appstream"
    [ "$appstream_status" -eq 0 ] && return 0
    [ -z "$homepage" ] && grep -q ': url-homepage-missing$' "$scratch/appstream" \
        && ! grep -E '^ *[EW]: ' "$scratch/appstream" | grep -qv ': url-homepage-missing$' \
        && echo "(no homepage was given: AppStream 1.0's url-homepage-missing is let pass)"
}
[ -z "$homepage" ] && allowed=" (no homepage given: url-homepage-missing let pass)" || allowed=""
check "appstreamcli validate --no-net: the metainfo file is clean$allowed" \
    appstream_clean validate --no-net --pedantic \
    "$tree/usr/share/metainfo/io.github.ostrelo.ostrelo.metainfo.xml"
check "appstreamcli validate-tree --no-net: metainfo, desktop entry and icon agree$allowed" \
    appstream_clean validate-tree --no-net --pedantic "$tree"

# ---------------------------------------------------------------------------------------------
section "The project's addresses"
# Each only where it was given to `make deb`, and none that the project does not have.
echo "homepage: ${homepage:-(none)}, bug tracker: ${bugtracker:-(none)}, screenshot: ${screenshot:-(none)}"
metainfo="$tree/usr/share/metainfo/io.github.ostrelo.ostrelo.metainfo.xml"
# The text of the metainfo file's elements matching PATTERN, one a line.
element_text() { sed -n "s|.*$1[^>]*>\([^<]*\)<.*|\1|p" "$metainfo" | sed 's/&amp;/\&/g'; }
check "Homepage of the .deb: ${homepage:-none}" \
    test "$(dpkg-deb -f "$deb" Homepage)" = "$homepage"
check "Homepage of the source package: ${homepage:-none}" \
    test "$(sed -n 's/^Homepage: //p' "${changes%_*.changes}.dsc")" = "$homepage"
check "homepage in the metainfo file: ${homepage:-none}" \
    test "$(element_text '<url type="homepage"')" = "$homepage"
check "bug tracker in the metainfo file: ${bugtracker:-none}" \
    test "$(element_text '<url type="bugtracker"')" = "$bugtracker"
check "screenshot in the metainfo file: ${screenshot:-none}" \
    test "$(element_text '<image type="source"')" = "$screenshot"
if [ -z "$screenshot" ]; then
    check "no <screenshots> block without a screenshot" \
        sh -c '! grep -q "<screenshots" "$1"' - "$metainfo"
fi

# ---------------------------------------------------------------------------------------------
section "apt-get install"
if dpkg-query -W -f='${db:Status-Status}' ostrelo 2>/dev/null | grep -qv '^not-installed$'; then
    echo "An ostrelo package is already on this machine: purging it first."
    apt-get purge -y -qq ostrelo >/dev/null
fi
installed_here=yes
apt-get install -y --no-install-recommends "$deb" >"$scratch/install" 2>&1
install_status=$?
sed -n -e '/^Setting up ostrelo/p' -e '/^E: /p' "$scratch/install"
check "apt-get install ./$(basename "$deb")" test "$install_status" -eq 0
check "dpkg knows ostrelo $version as installed" \
    test "$(dpkg-query -W -f='${db:Status-Status} ${Version}' ostrelo 2>/dev/null)" = \
    "installed $version"
check "man finds ostrelo(1)" test "$(man -w ostrelo 2>/dev/null)" = /usr/share/man/man1/ostrelo.1.gz

# ---------------------------------------------------------------------------------------------
section "/usr/bin/ostrelo on a private desktop"
# As the tests do: no session bus, so Qt docks its icon through the X tray protocol into trayer;
# "disabled:" rather than none, so that neither Qt nor gio autolaunches one that would outlive
# the check.
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME
. scripts/desktop.sh
mkdir -p "$scratch/desktop"
start_desktop "$scratch/desktop"
settings="$XDG_CONFIG_HOME/ostrelo/settings.conf"

panel_up() { xdotool search --onlyvisible --class '^trayer$' >/dev/null 2>&1; }
check "trayer's panel is up" until_true panel_up
panel=$(xdotool search --onlyvisible --class '^trayer$' 2>/dev/null | head -n 1)

# The tray icons of process $1: the windows trayer has taken into its panel that carry its pid.
tray_icons_of() {
    for window in $(xwininfo -tree -id "$panel" 2>/dev/null | awk '$1 ~ /^0x/ { print $1 }'); do
        xprop -id "$window" _NET_WM_PID 2>/dev/null | grep -qx "_NET_WM_PID(CARDINAL) = $1" \
            && echo "$window"
    done
}
docked() { [ -n "$(tray_icons_of "$monitor")" ]; }
main_window() { xdotool search --maxdepth 1 --onlyvisible --name '^Ostrelo$' 2>/dev/null; }
shown() { [ -n "$(main_window)" ]; }
# gone PID: it has ended, whether or not the shell has reaped it yet (a zombie still answers
# kill -0).
gone() {
    case $(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) in
    '' | Z* | X*) return 0 ;;
    esac
    return 1
}
exited() { gone "$monitor"; }

/usr/bin/ostrelo 2>"$scratch/ostrelo.log" &
monitor=$!
# The probe of the tray must be able to say no: a process that docks nothing has no icon in it.
check "the tray probe finds no icon for a process that has none (pid $$)" \
    test -z "$(tray_icons_of $$)"
check "the window \"Ostrelo\" is shown" until_true shown
window=$(main_window | head -n 1)
check "the window carries its 48 x 48 icon (_NET_WM_ICON)" \
    sh -c 'xprop -id "$1" _NET_WM_ICON | grep -q "Icon (48 x 48)"' - "$window"
check "the tray icon is docked in trayer's panel" until_true docked
icon=$(tray_icons_of "$monitor" | head -n 1)
echo "tray icon window of pid $monitor: $icon"
# The tray takes its image from the installed file alone (the window falls back to a built-in
# copy), so a picture in the tray shows that /usr/bin/ostrelo found
# /usr/share/icons/hicolor/48x48/apps/ostrelo.png through its relative path. Without the file the
# docked window is blank: one colour.
colours() {
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    xwd -id "$icon" -silent 2>/dev/null | tail -c $((WIDTH * HEIGHT * 4)) | od -An -v -tx4 -w4 \
        | sort -u | wc -l
}
drawn() { [ "$(colours)" -gt 8 ]; }
check "the tray icon shows the installed icon file, not a blank" until_true drawn
echo "distinct colours in the tray icon: $(colours)"

# A second start in English, as a default English install sets the locale (LANG alone): it must be
# refused with the English box, so /usr/bin/ostrelo found the installed catalogue beside it.
refusal() { xdotool search --onlyvisible --maxdepth 1 --name '^Already running$' 2>/dev/null; }
refused_in_english() { [ -n "$(refusal)" ]; }
env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=en_US.UTF-8 /usr/bin/ostrelo 2>>"$scratch/ostrelo.log" &
second=$!
check "a second start under LANG=en_US.UTF-8 shows the box titled \"Already running\"" \
    until_true refused_in_english
box=$(refusal | head -n 1)
[ -n "$box" ] && xdotool windowfocus --sync "$box" key Return
second_done() { gone "$second"; }
check "dismissed, the refused start ends" until_true second_done
if second_done; then
    wait "$second"
    status=$?
else
    kill -KILL "$second"
    status=killed
fi
check "exit status 1 for the refused start (got $status)" test "$status" = 1

# Tick the fourth box (CPU frequency) from the keyboard; its label makes the window taller.
before=$(xdotool getwindowgeometry "$window")
xdotool windowfocus --sync "$window" key Tab Tab Tab space
grew() { [ "$(xdotool getwindowgeometry "$window")" != "$before" ]; }
check "the CPU frequency box is ticked from the keyboard" until_true grew

kill -TERM "$monitor"
check "SIGTERM ends it" until_true exited
if exited; then
    wait "$monitor"
    status=$?
else
    kill -KILL "$monitor"
    status=killed
fi
monitor=""
check "exit status 0 after SIGTERM (got $status)" test "$status" = 0
echo "$settings:"
sed 's/^/    /' "$settings" 2>/dev/null
check "the choice is saved: eight keys in $settings" \
    test "$(grep -cE '^(cpuUsage|memory|swap|cpuFreq|cpuMaxTemp|avgTemp|hddTemp|otherTemp)Enabled=(true|false)$' "$settings" 2>/dev/null)" = 8
check "the choice is saved: cpuFreqEnabled=true" grep -qx 'cpuFreqEnabled=true' "$settings"

# ---------------------------------------------------------------------------------------------
section "The menu entry, launched as a desktop launches it"
# gio starts the installed entry as a menu or an autostart does, and the program's standard error
# is where a session's log would take it. The entry switches the swap reader's three lines a
# second off: none may come in a minute.
gio launch /usr/share/applications/ostrelo.desktop 2>"$scratch/launched.log"
check "gio launch /usr/share/applications/ostrelo.desktop" test "$?" -eq 0
# gio does not wait: the monitor is init's child, found by the runtime directory it was given.
launched() {
    for pid in $(pgrep -x ostrelo); do
        tr '\0' '\n' <"/proc/$pid/environ" | grep -qxF "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" \
            && monitor=$pid && return 0
    done
    return 1
}
check "the launched monitor runs" until_true launched
check "its window \"Ostrelo\" is shown" until_true shown
sleep 60
lines=$(wc -l <"$scratch/launched.log")
sed 's/^/    /' "$scratch/launched.log" | head -n 5
check "no line on its standard error in a minute (got $lines)" test "$lines" -eq 0
kill -TERM "$monitor" 2>/dev/null
check "SIGTERM ends it" until_true exited
monitor=""
kill "$tray" "$xvfb" 2>/dev/null
wait 2>/dev/null
tray=""
xvfb=""

# ---------------------------------------------------------------------------------------------
section "/usr/bin/ostrelo on Wayland: weston's headless compositor"
# A native Wayland client of a real compositor, seen from the compositor's side: its protocol log
# shows the window's title and app id (the desktop entry's name) and a buffer shown in it.
wayland="$scratch/wayland"
mkdir -p "$wayland/runtime" && chmod 700 "$wayland/runtime"
XDG_RUNTIME_DIR="$wayland/runtime" weston --backend=headless-backend.so --socket=wayland-ostrelo \
    --no-config --idle-time=0 --log="$wayland/weston.log" --logger-scopes=log,proto \
    >/dev/null 2>&1 &
weston=$!
listening() { [ -S "$wayland/runtime/wayland-ostrelo" ]; }
check "weston is listening" until_true listening
env -u DISPLAY HOME="$wayland" XDG_CONFIG_HOME="$wayland/config" \
    XDG_RUNTIME_DIR="$wayland/runtime" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-ostrelo \
    /usr/bin/ostrelo 2>"$scratch/wayland.log" &
monitor=$!
logged() { grep -qF "$1" "$wayland/weston.log"; }
check "its window is titled \"Ostrelo\"" until_true logged 'set_title("Ostrelo")'
check "its app id is \"ostrelo\"" until_true logged 'set_app_id("ostrelo")'
check "a buffer is attached to it" until_true logged '.attach(wl_buffer@'
sleep 5
running() { ! exited; }
check "it keeps running" running
kill -TERM "$monitor"
check "SIGTERM ends it" until_true exited
wait "$monitor"
status=$?
monitor=""
check "exit status 0 after SIGTERM (got $status)" test "$status" = 0
check "the choice is saved: eight keys" \
    test "$(grep -cE '^[a-zA-Z]+Enabled=(true|false)$' "$wayland/config/ostrelo/settings.conf" 2>/dev/null)" = 8
kill "$weston" 2>/dev/null
wait 2>/dev/null
weston=""

# ---------------------------------------------------------------------------------------------
section "Logging out of a real Xfce session"
# The monitor started in the session registers with its session manager over XSMP, as one started
# from the menu or at login does. With the window open, its tray icon in the panel and a box
# ticked, the logout must end the session, and the monitor with status 0 and the tick saved; the
# session it saves must not name the monitor.
check "an Xfce session on Xvfb, the panel's tray up" start_xfce_session "$scratch/xfce"
settings="$XDG_CONFIG_HOME/ostrelo/settings.conf"
/usr/bin/ostrelo 2>"$scratch/xfce.log" &
monitor=$!
# Under a window manager the window is the frame's child, no longer a top level.
session_window() { xdotool search --onlyvisible --name '^Ostrelo$' 2>/dev/null | head -n 1; }
framed() { [ -n "$(session_window)" ]; }
check "the window \"Ostrelo\" is shown" until_true framed
check "its item is in the panel's tray" until_true in_tray "$monitor"
window=$(session_window)
before=$(xdotool getwindowgeometry "$window")
xdotool windowactivate --sync "$window" key Tab Tab Tab space
check "the CPU frequency box is ticked from the keyboard" until_true grew
xfce4-session-logout --logout
check "xfce4-session-logout --logout ends the session" until_true gone "$session"
check "and the monitor" until_true exited
wait "$monitor"
status=$?
monitor=""
check "exit status 0 (got $status)" test "$status" = 0
check "the tick is saved: cpuFreqEnabled=true" grep -qx 'cpuFreqEnabled=true' "$settings"
# Restored at the next login beside the autostarted copy, it would show the refusal box.
saved=$(cat "$XDG_CACHE_HOME"/sessions/xfce4-session-* 2>/dev/null)
check "the session is saved ($(ls "$XDG_CACHE_HOME/sessions" 2>/dev/null | tr '\n' ' '))" test -n "$saved"
check "the saved session does not name ostrelo" sh -c '! printf %s "$1" | grep -q ostrelo' - "$saved"
stop_xfce_session
xvfb=""

# ---------------------------------------------------------------------------------------------
section "apt-get purge"
apt-get purge -y ostrelo >"$scratch/purge" 2>&1
purge_status=$?
sed -n -e '/^Purging configuration files for ostrelo/p' -e '/^E: /p' "$scratch/purge"
check "apt-get purge -y ostrelo" test "$purge_status" -eq 0
installed_here=no
check "dpkg no longer knows ostrelo" sh -c \
    '! dpkg-query -W -f="\${db:Status-Status}" ostrelo 2>/dev/null | grep -qv "^not-installed$"'
# Every file of the package is gone, and so is every directory of it that was left empty, unless
# another package keeps it (as hicolor-icon-theme keeps its size directories).
while read -r path; do
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        [ -z "$(ls -A "$path")" ] && ! dpkg-query -S "$path" >/dev/null 2>&1 \
            && echo "$path/ (empty, and no package owns it)"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        echo "$path"
    fi
done <"$scratch/paths" >"$scratch/left"
sed 's/^/    left: /' "$scratch/left"
check "no file of the package is left ($(wc -l <"$scratch/paths") paths checked)" \
    test ! -s "$scratch/left"

summary
