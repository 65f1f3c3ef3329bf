#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Pathwick! with its tests and runs the whole suite through ctest
# on Qt's offscreen platform, then the window tests again on real display servers: X11 (Xvfb with
# the openbox window manager) and Wayland (headless weston), see scripts/test-lane.sh.
#   scripts/test.sh                 normal build in build-test/, all three runs
#   scripts/test.sh --sanitize      AddressSanitizer + UndefinedBehaviorSanitizer build in
#                                   build-asan/, the offscreen run
# PATHWICK_WERROR=ON in the environment makes every compiler warning an error (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test

build_dir=build-test
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
sanitize=false
if [[ "${1:-}" == "--sanitize" ]]; then
    sanitize=true
    build_dir=build-asan
    options=(-DCMAKE_BUILD_TYPE=Debug -DPATHWICK_SANITIZE=ON -DPATHWICK_BUILD_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$build_dir" "${options[@]}" -DPATHWICK_WERROR="${PATHWICK_WERROR:-OFF}"
cmake --build "$build_dir" -j "$(nproc)"
echo "== the whole suite, offscreen"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
if ! $sanitize; then
    scripts/test-lane.sh xcb "$build_dir"
    scripts/test-lane.sh wayland "$build_dir"
fi
