#!/bin/sh
# Runs one test of the sanitized build and fails it on any AddressSanitizer or LeakSanitizer report
# of any of its processes (the monitors it starts included), written to a file here: a test does
# not look at the exit status of every process it ends, and leaks show only at exit. A report ends
# its process with status 86, which the program never uses.
#   sanitized.sh COMMAND [ARGS...]
set -u
reports=$(mktemp -d "${TMPDIR:-/tmp}/ostrelo-sanitizer.XXXXXX")
trap 'rm -rf "$reports"' EXIT
# Qt is built without frame pointers: only the slow unwinder sees the Qt frames that lsan.supp names.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:fast_unwind_on_malloc=0:exitcode=86:log_path=$reports/report"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=86"
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0"
"$@"
status=$?
for report in "$reports"/report.*; do
    [ -f "$report" ] && { cat "$report" >&2; status=1; }
done
exit $status
