#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 10), starting from the
# committed seed corpus. Exits non-zero when a target finds a crash, a sanitizer report or a broken
# property, or when the build fails. Inputs that fail are kept under <build>/findings/.
#
#   fuzz/run_fuzz.sh [SECONDS] [TARGET...]      (build folder: $MIRENDO_FUZZ_BUILD or build-fuzz)
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
seconds=${1:-10}
shift || true
build=${MIRENDO_FUZZ_BUILD:-$root/build-fuzz}
compiler=${MIRENDO_FUZZ_CXX:-$(command -v clang++-14 || command -v clang++)}
all_targets=(leading_number point_file paste request result archive engine_run saved_plot)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

if [ -z "$compiler" ]; then
    echo "run_fuzz: clang++ not found (install clang-14 and libclang-rt-14-dev)" >&2
    exit 2
fi
if ! cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER="$compiler" >"$build.configure.log" 2>&1; then
    cat "$build.configure.log" >&2
    exit 2
fi
rm -f "$build.configure.log"
jobs=$(nproc 2>/dev/null || echo 2)
if ! cmake --build "$build" -j"$jobs" --target $(printf 'fuzz_%s ' "${targets[@]}"); then
    echo "run_fuzz: build failed" >&2
    exit 2
fi

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
findings="$build/findings"
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for t in "${targets[@]}"; do
    mkdir -p "$work/$t"
    log="$build/fuzz_$t.log"
    # New inputs go to a scratch corpus; the committed seeds are only read.
    "$build/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/$t-" "$work/$t" "$here/corpus/$t" >"$log" 2>&1
    rc=$?
    runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
    if [ $rc -ne 0 ]; then
        echo "fuzz_$t: FINDING after ${runs:-?} runs (exit $rc), see $log and $findings/"
        grep -m5 -E 'property failed|ERROR:|SUMMARY:' "$log"
        status=1
    else
        echo "fuzz_$t: ${runs:-?} runs in ${seconds}s, no finding"
    fi
done
exit $status
