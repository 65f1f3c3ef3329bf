#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the window tests (the ctest label "window") of a build on a real display server, which the
# script starts, waits for and stops again:
#   scripts/test-lane.sh xcb [BUILD_DIR [CTEST_OPTION...]]       Xvfb with the openbox window manager
#   scripts/test-lane.sh wayland [BUILD_DIR [CTEST_OPTION...]]   weston's headless compositor
# BUILD_DIR defaults to build-test, the build of scripts/test.sh; the options go to ctest (-V
# shows every test's output, its skips too). The tests run one after another:
# they share the one desktop, where only one window can be active.
set -euo pipefail
cd "$(dirname "$0")/.."

lane=${1:-}
build_dir=${2:-build-test}
ctest_options=("${@:3}")
if [[ "$lane" != xcb && "$lane" != wayland ]]; then
    echo "usage: scripts/test-lane.sh xcb|wayland [BUILD_DIR [CTEST_OPTION...]]" >&2
    exit 2
fi
if [[ ! -f "$build_dir/CTestTestfile.cmake" ]]; then
    echo "test-lane.sh: no tests in $build_dir; build them first (scripts/test.sh)" >&2
    exit 1
fi

scratch=$(mktemp -d)
chmod 700 "$scratch"
pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

# wait_until SECONDS WHAT COMMAND...: runs COMMAND until it succeeds, for at most SECONDS; on
# timeout shows the server's log and gives up.
wait_until() {
    local seconds=$1 what=$2 log=$3
    shift 3
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        if ((SECONDS >= deadline)); then
            echo "test-lane.sh: $what did not come up within $seconds s; its log:" >&2
            cat "$log" >&2
            exit 1
        fi
        sleep 0.2
    done
}

# Both servers and the tests keep their sockets and runtime files in the private scratch folder.
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

case $lane in
    xcb)
        # Xvfb writes its display number once it accepts clients; openbox runs its start-up
        # command once it manages the screen.
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" \
            >"$scratch/xvfb.log" 2>&1 &
        pids+=($!)
        wait_until 30 Xvfb "$scratch/xvfb.log" test -s "$scratch/display"
        export DISPLAY=:$(<"$scratch/display")
        unset WAYLAND_DISPLAY
        openbox --sm-disable --startup "touch $scratch/openbox-ready" >"$scratch/openbox.log" 2>&1 &
        pids+=($!)
        wait_until 30 openbox "$scratch/openbox.log" test -e "$scratch/openbox-ready"
        echo "== window tests on X11 ($DISPLAY, Xvfb with openbox)"
        ;;
    wayland)
        # No idle time: the shell would lock the screen while a long test runs.
        weston --backend=headless-backend.so --socket=pathwick-test --width=1280 --height=1024 \
            --idle-time=0 >"$scratch/weston.log" 2>&1 &
        pids+=($!)
        wait_until 30 weston "$scratch/weston.log" test -S "$XDG_RUNTIME_DIR/pathwick-test"
        export WAYLAND_DISPLAY=pathwick-test
        unset DISPLAY
        echo "== window tests on Wayland ($WAYLAND_DISPLAY, headless weston)"
        ;;
esac

# ctest gives every test QT_QPA_PLATFORM=offscreen; the tests take this one over it.
export PATHWICK_TEST_PLATFORM=$lane
ctest --test-dir "$build_dir" -L window --output-on-failure "${ctest_options[@]}"
