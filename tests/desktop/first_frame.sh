#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on the platform of the run (PATHWICK_TEST_PLATFORM, offscreen without it) and
# checks that it shows its first frame. On Wayland it also checks what the program tells the
# compositor about its window: the title, and the desktop entry's name as the application id,
# through which the compositor finds the program's icon.
#   first_frame.sh PROGRAM
set -uo pipefail

program=$1
platform=${PATHWICK_TEST_PLATFORM:-offscreen}
app_id=io.github.pathwick.Pathwick
out=$(mktemp)
trap 'rm -f "$out"' EXIT

debug=()
[[ "$platform" == wayland* ]] && debug=(WAYLAND_DEBUG=client)
env QT_QPA_PLATFORM="$platform" PATHWICK_QUIT_AFTER_FIRST_FRAME=1 "${debug[@]}" \
    timeout 60 "$program" >"$out" 2>&1
rc=$?

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
((rc == 0)) || fail "the program ended with status $rc on $platform"
grep -Eq '^first frame [0-9]+\.[0-9]+$' "$out" || fail "the program showed no frame on $platform"
if [[ "$platform" == wayland* ]]; then
    grep -q "set_app_id(\"$app_id\")" "$out" || fail "the window's application id is not $app_id"
    grep -q 'set_title("Pathwick!")' "$out" || fail "the window's title is not Pathwick!"
fi

if ((failures > 0)); then
    grep -v '^\[' "$out"
    echo "$failures check(s) failed"
    exit 1
fi
echo "the program showed its window on $platform"
