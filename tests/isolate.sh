#!/bin/sh
# Runs one test in a world of its own: an environment of nothing but PATH and what the test is
# given, a fresh settings store (XDG_CONFIG_HOME), HOME, TMPDIR and runtime directory, a UTF-8
# locale, no session bus, no GL integration and, for the tray kind, a private X server with a
# tray host, $TRAY_HOST, started by the shell command $TRAY_HOST_COMMAND.
#   isolate.sh offscreen|tray COMMAND [ARGS...]
# In the sanitized build, any AddressSanitizer or LeakSanitizer report of any of its processes
# (the monitors it starts included, those of a second account too) fails the test: leaks show
# only at exit, and a test does not look at the exit status of every process it ends. GCC's UBSan
# writes to stderr, where ctest looks.
set -u
[ -n "${ISOLATED:-}" ] || exec env -i ISOLATED=1 PATH="$PATH" OSTRELO_BINARY="${OSTRELO_BINARY:-}" "$0" "$@"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/ostrelo-test.XXXXXX")
mkdir "$scratch/config" "$scratch/tmp" && mkdir -m 700 "$scratch/runtime" && chmod 711 "$scratch"
# Where a monitor of a second account, too, can leave a sanitizer's report.
mkdir -m 1777 "$scratch/reports"
# Mesa's GLX, which nothing here needs, leaks on some machines: the tests run as the program does.
export XDG_CONFIG_HOME="$scratch/config" TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" \
    HOME="$scratch" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen QT_XCB_GL_INTEGRATION=none \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-bus"
# Qt is built without frame pointers: only the slow unwinder sees the Qt frames that lsan.supp names.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:log_path=$scratch/reports/sanitizer" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0"
trap 'kill ${pids:-} 2>/dev/null; wait; rm -rf "$scratch"' EXIT
trap 'exit 130' INT TERM

if [ "$1" = tray ]; then
    # -displayfd lets the server pick a free display number, so tests can run side by side. 96
    # dpi, what Xorg reports unless told otherwise: where no Xft.dpi is set, Qt 5 scales the
    # monitor by the server's resolution, and Xvfb's own 100 would scale it by 1.04. -noreset
    # keeps the root window's properties when the last client leaves (see scripts/desktop.sh).
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
    pids=$!
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    [ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; exit 1; }
    # The swap reader's lines, three a second from every monitor, are not what these tests read.
    export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb \
        QT_LOGGING_RULES="default.info=false;default.warning=false"
    . "$(dirname "$0")/../scripts/desktop.sh" && start_tray_host "$scratch"
    export TRAY_HOST_COMMAND TRAY_HOST=$tray && pids="$tray $pids"
fi
shift
"$@"
status=$?
cat "$scratch"/reports/sanitizer.* >&2 2>/dev/null && status=1
exit $status
