#!/bin/sh
# Runs every fuzz target of a build tree for SECONDS each, one after the other, and fails when any
# of them finds something.
#   fuzz/run.sh BUILD_DIR SECONDS
# Per target, under BUILD_DIR/fuzz/work/NAME: seeds/ is laid anew from the test fixtures on every
# run, corpus/ keeps what libFuzzer found interesting across runs, artifacts/ receives the input of
# a crash, and log the whole output, of which only the closing line is shown when all went well.
set -eu
build=$(cd "$1" && pwd)
seconds=$2
fixtures=$(cd "$(dirname "$0")/../tests/fixtures" && pwd)
work=$build/fuzz/work

# Symbolized stacks in a report, when the LLVM tools are there.
if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi
export UBSAN_OPTIONS=print_stacktrace=1

# seed NAME FILE...: copies fixture files into NAME's seed directory, named after their path.
seed() {
    name=$1
    shift
    for file in "$@"; do
        [ -f "$file" ] || continue
        cp "$file" "$work/$name/seeds/$(echo "${file#"$fixtures"/}" | tr / _)"
    done
}

# The CPU target reads two samples from the halves of its input, so its seeds pair the first
# lines of every two stat fixtures, padded with blanks to one length.
seed_cpu_pairs() {
    for previous in "$fixtures"/*/proc/stat; do
        for current in "$fixtures"/*/proc/stat; do
            a=$(head -n 1 "$previous")
            b=$(head -n 1 "$current")
            width=$((${#a} > ${#b} ? ${#a} : ${#b}))
            name="$(basename "$(dirname "$(dirname "$previous")")")+$(basename "$(dirname "$(dirname "$current")")")"
            printf '%-*s\n%-*s\n' "$width" "$a" "$width" "$b" >"$work/proc_stat/seeds/$name"
        done
    done
}

targets="proc_stat memory swap sensor frequency smartctl"
for name in $targets; do
    rm -rf "$work/$name/seeds"
    mkdir -p "$work/$name/seeds" "$work/$name/corpus" "$work/$name/artifacts"
done
seed_cpu_pairs
seed memory "$fixtures"/*/proc/meminfo
seed swap "$fixtures"/*/proc/meminfo
seed sensor "$fixtures"/*/sys/class/thermal/thermal_zone*/temp \
    "$fixtures"/*/sys/class/hwmon/hwmon*/temp1_input
seed frequency "$fixtures"/*/sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq
seed smartctl "$fixtures"/smartctl/*

failed=""
passed=0
for name in $targets; do
    # The first directory is where new inputs are written; the seeds are only read.
    if "$build/fuzz/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$work/$name/artifacts/" \
        "$work/$name/corpus" "$work/$name/seeds" >"$work/$name/log" 2>&1; then
        echo "fuzz_$name: $(grep '^Done ' "$work/$name/log")"
        passed=$((passed + 1))
    else
        echo "fuzz_$name FAILED, its log ($work/$name/log) ends with:"
        tail -n 60 "$work/$name/log"
        failed="$failed fuzz_$name"
    fi
done
echo "fuzz: $passed passed, $(echo $failed | wc -w) failed"
if [ -n "$failed" ]; then
    echo "Fuzzing found a problem in:$failed" >&2
    exit 1
fi
