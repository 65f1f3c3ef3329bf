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

# Both servers and the tests keep their sockets and runtime files in the private scratch folder.
source scripts/lib/desktop.sh
desktop_begin
export XDG_RUNTIME_DIR=$desktop_scratch/runtime
case $lane in
    xcb)
        desktop_xvfb 1280x1024
        desktop_openbox
        echo "== window tests on X11 ($DISPLAY, Xvfb with openbox)"
        ;;
    wayland)
        desktop_weston pathwick-test
        echo "== window tests on Wayland ($WAYLAND_DISPLAY, headless weston)"
        ;;
esac

# ctest gives every test QT_QPA_PLATFORM=offscreen; the tests take this one over it.
export PATHWICK_TEST_PLATFORM=$lane
ctest --test-dir "$build_dir" -L window --output-on-failure "${ctest_options[@]}"
