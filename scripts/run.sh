#!/usr/bin/env bash
# Installs what is missing, builds Mirendo and Ventrel, and starts Mirendo in ./workdir,
# a working folder holding the example point files and the example chart (created when missing,
# never overwritten).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
mirendo_ensure_packages

build="$root/build"
cmake -S "$root" -B "$build" -DMIRENDO_BUILD_BENCHMARKS=OFF >/dev/null
jobs=$(mirendo_jobs)
have_gui=0
# (the target list is taken whole first: grep -q stopping early would break the pipe)
targets=$(cmake --build "$build" --target help)
if grep -qx '\.\.\. Mirendo' <<<"$targets"; then
    have_gui=1
    cmake --build "$build" -j"$jobs" --target Mirendo Ventrel
else
    cmake --build "$build" -j"$jobs" --target Ventrel
fi

work="$root/workdir"
mkdir -p "$work"
for f in "$root"/examples/ex_*.csv "$root"/examples/ex_*.dat "$root"/examples/ex_chart_*; do
    [ -e "$f" ] || continue
    [ -e "$work/$(basename "$f")" ] || cp "$f" "$work/"
done
cd "$work"

if [ "$have_gui" -eq 0 ]; then
    # Without the windowed program, show the engine at work on a sample request.
    printf ' 1 \r\n0.0\r\n10.0\r\n 3 \r\n+1.00000E+00 +2.50000E+00\r\n+4.00000E+00 -3.00000E+00\r\n+8.00000E+00 +1.25000E-01\r\n' >B2F.dat
    "$build/bin/Ventrel"
    echo "Mirendo is not built yet; Ventrel wrote $work/F2B.dat:"
    head -n 12 F2B.dat
    exit 0
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
Mirendo is built ($build/bin/Mirendo) but there is no display to show its windows:
DISPLAY and WAYLAND_DISPLAY are both unset.
Run it on a desktop session, or under a virtual X server:
    xvfb-run -a bash scripts/run.sh
MSG
    exit 2
fi
exec "$build/bin/Mirendo"
