#!/bin/sh
# Runs one test in a world of its own: a fresh settings store (XDG_CONFIG_HOME), TMPDIR and
# runtime directory and, for the tray kind, a private X server with trayer as tray host.
#   isolate.sh offscreen|tray COMMAND [ARGS...]
# In the sanitized build, any AddressSanitizer or LeakSanitizer report of any of its processes
# (the monitors it starts included) fails the test: leaks show only at exit, and a test does not
# look at the exit status of every process it ends. GCC's UBSan writes to stderr, where ctest looks.
set -u
kind=$1
shift
scratch=$(mktemp -d "${TMPDIR:-/tmp}/ostrelo-test.XXXXXX")
mkdir -p "$scratch/config" "$scratch/tmp" "$scratch/runtime" && chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config" TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" \
    HOME="$scratch" QT_QPA_PLATFORM=offscreen
unset XDG_CURRENT_DESKTOP DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORMTHEME QT_LOGGING_RULES
# Qt is built without frame pointers: only the slow unwinder sees the Qt frames that lsan.supp names.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:log_path=$scratch/sanitizer" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0"
pids=""
trap 'kill $pids 2>/dev/null; wait; rm -rf "$scratch"' EXIT
trap 'exit 130' INT TERM

if [ "$kind" = tray ]; then
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
status=$?
for report in "$scratch"/sanitizer.*; do
    [ -f "$report" ] && { cat "$report" >&2; status=1; }
done
exit $status
