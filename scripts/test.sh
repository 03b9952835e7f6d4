#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then runs the whole suite
# again in an AddressSanitizer + UndefinedBehaviorSanitizer build. Exits non-zero on any failure.
# Build folders are kept (build-test, build-asan), so a second run rebuilds only what changed.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
mirendo_ensure_packages || exit 1

export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1
jobs=$(mirendo_jobs)
# Leaks inside system libraries (fontconfig, Qt's platform plugins) are not ours to fix.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

declare -A summary
status=0

run_suite() {
    local name=$1 build=$2
    shift 2
    echo "=== $name: configure and build in $build"
    if ! cmake -S "$root" -B "$build" "$@" >"$build/configure.log" 2>&1; then
        cat "$build/configure.log"
        summary[$name]="configuration failed"
        status=1
        return
    fi
    if ! cmake --build "$build" -j"$jobs"; then
        summary[$name]="build failed"
        status=1
        return
    fi
    echo "=== $name: tests"
    local log="$build/ctest.log"
    ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 600 2>&1 | tee "$log"
    local rc=${PIPESTATUS[0]}
    summary[$name]=$(grep -E 'tests passed|tests failed' "$log" | tail -n 1)
    [ -n "${summary[$name]}" ] || summary[$name]="ctest exited with $rc"
    [ "$rc" -eq 0 ] || status=1
}

# Every C++ file as clang-format writes it (the committed .clang-format); a file that differs fails.
echo "=== format: clang-format check"
if (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror); then
    summary[format]="clean"
else
    summary[format]="files differ from clang-format (run: git ls-files '*.cpp' '*.h' | xargs clang-format-14 -i)"
    status=1
fi

# Every Japanese literal in src/ goes through the catalogue, and every source text has a finished
# English translation in translations/mirendo_en.ts.
echo "=== texts: the catalogue's door and its English"
if python3 "$root/scripts/check_texts.py" && bash "$root/scripts/translations.sh" check; then
    summary[texts]="clean"
else
    summary[texts]="a text outside tr() or without English (run: scripts/translations.sh update, then translate)"
    status=1
fi

mkdir -p "$root/build-test" "$root/build-asan"
# Both builds treat warnings as errors: the tree stays warning-free with the compiler it is tested with.
run_suite "normal build" "$root/build-test" -DMIRENDO_SANITIZE=OFF -DMIRENDO_WERROR=ON
run_suite "sanitizer build" "$root/build-asan" -DMIRENDO_SANITIZE=ON -DMIRENDO_BUILD_BENCHMARKS=OFF -DMIRENDO_WERROR=ON

# Every reader fuzzed briefly (a few seconds each), so the fuzz targets keep building and their
# properties keep holding; long runs are made by hand with fuzz/run_fuzz.sh SECONDS.
echo "=== fuzz: every reader for ${MIRENDO_FUZZ_SECONDS:-4} s"
if "$root/fuzz/run_fuzz.sh" "${MIRENDO_FUZZ_SECONDS:-4}"; then
    summary[fuzz]="no finding"
else
    summary[fuzz]="finding or build failure (inputs in build-fuzz/findings)"
    status=1
fi

echo
echo "=== Summary"
for name in format texts "normal build" "sanitizer build" fuzz; do
    echo "$name: ${summary[$name]:-not run}"
done
exit $status
