#!/bin/bash
# Start-up of Mirendo as a user sees it, next to a bare Qt window with one Japanese caption in the
# same face: each program is started on a virtual X server of its own and timed from its start to
# the last drawing of its windows, N times in turn (default 21); prints every run, the medians and
# their ratio to the bare window. Also times `Mirendo FILE` (a point file opened from the desktop)
# and compares it with its floor, startup_floor: the main window's controls from the same table in
# the same faces, without any logic; and with that floor showing the same texts as `Mirendo FILE`
# (the file's rows and range values, from bench/ex_decay.shown), which tells what the data costs.
#
#   bash bench/startup.sh [BUILD_FOLDER]   (default build; needs startup_probe, startup_floor, startup_timer)
#   N=41 bash bench/startup.sh build
#
# Not a test: nothing fails on a duration. Run it on a machine that is otherwise idle.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${N:-21}"
bin="$build/bin"
for program in Mirendo startup_probe startup_floor startup_timer; do
    if [ ! -x "$bin/$program" ]; then
        echo "error: $bin/$program missing; build it with: cmake --build $build --target $program" >&2
        exit 1
    fi
done

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Mirendo runs in a working folder of its own with the example point files, as the launcher sets it up.
cp "$root"/examples/ex_* "$root"/bench/ex_decay.shown "$work/"
export XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work" # the hand-over socket of an ended Mirendo goes with it
mkdir -m 700 "$XDG_RUNTIME_DIR"

# A display of its own; Xvfb writes the number it picked.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 number <&"$display_fd" || { echo "error: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"

echo "Start-up on $DISPLAY, $runs runs each, working folder $work"
"$bin/startup_timer" -n "$runs" -d "$work" -c 4:3 -c 5:3 -- "$bin/startup_probe" -- "$bin/Mirendo" \
    -- "$bin/Mirendo" "$work/ex_decay.csv" -- "$bin/startup_floor" -- "$bin/startup_floor" "$work/ex_decay.shown"
