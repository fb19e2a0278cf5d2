#!/bin/sh
# Runs one test of the sanitized build (OSTRELO_SANITIZE) and fails it on any AddressSanitizer or
# LeakSanitizer report.
#   sanitized.sh COMMAND [ARGS...]
# Every process of the test writes those reports to a file here: the test itself, the monitors it
# starts and the helpers. A test does not look at the exit status of every monitor it starts (not
# of one ended by its cleanup, say), and leaks are only found as a process exits, so the reports
# decide, whatever the exit statuses were. GCC's UBSan ignores log_path and always writes to
# stderr; tests/CMakeLists.txt fails a test on its reports in the output.
# A report ends its process (halt_on_error) with status 86, which the program itself never uses.
set -u
here=$(cd "$(dirname "$0")" && pwd)
reports=$(mktemp -d "${TMPDIR:-/tmp}/ostrelo-sanitizer.XXXXXX")
trap 'rm -rf "$reports"' EXIT
trap 'exit 130' INT TERM

# Qt is built without frame pointers: only the slow unwinder sees the Qt frames of an allocation,
# which the suppressions name.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:fast_unwind_on_malloc=0:exitcode=86:log_path=$reports/report"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=86"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"

"$@"
status=$?
for report in "$reports"/report.*; do
    [ -f "$report" ] || continue
    echo "sanitized.sh: a process of this test reported:" >&2
    cat "$report" >&2
    status=1
done
exit $status
