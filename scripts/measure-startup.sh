#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game's start-up against a minimal Qt Widgets program that shows one empty window
# of the same size, and against that window with one label (bench/startup/minimal_window.cpp);
# the game also in German (LANGUAGE=de), whose start-up with its translations loaded is compared
# with the English one.
# All run with PATHWICK_QUIT_AFTER_FIRST_FRAME=1: they report the moment their first frame was
# shown and end. The timed runs give the time from launch to that first frame (the start-up)
# and to the end of the process; five further runs under /usr/bin/time give the peak resident
# memory. The programs are built in Release and run in turn, on the offscreen platform and on
# X11 under an Xvfb server that the script starts on a free display, all inside one session
# message bus. Prints the medians and their ratios to the empty window's, for each platform.
#   scripts/measure-startup.sh          20 runs of each program per platform
#   scripts/measure-startup.sh -n 50    50 runs of each
# The build goes to build-startup/ (STARTUP_BUILD_DIR overrides it).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=20
while getopts "n:h" option; do
    case "$option" in
        n) runs="$OPTARG" ;;
        *) sed -n '2,12p' "$0"; exit 2 ;;
    esac
done
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "runs must be a positive whole number: $runs" >&2; exit 2; }

build_dir="${STARTUP_BUILD_DIR:-build-startup}"
scripts/deps.sh --test

# A desktop session has a message bus. Without one, Qt on X11 has every program try to start
# one (dbus-launch), which costs both programs time and makes the timings noisy.
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]]; then
    exec dbus-run-session -- bash "$PWD/scripts/measure-startup.sh" "$@"
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DPATHWICK_BUILD_TESTS=OFF \
    -DPATHWICK_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target pathwick pathwick-minimal-window >/dev/null
game="$build_dir/src/pathwick"
minimal="$build_dir/bench/startup/pathwick-minimal-window"

source scripts/lib/desktop.sh
desktop_begin
work=$desktop_scratch
export PATHWICK_QUIT_AFTER_FIRST_FRAME=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"

# One timed run of a program: appends "<ms to first frame> <ms to exit>" to the file named. The
# program is started straight from this shell, with no wrapper process around it whose own start
# would be counted in both times. The memory runs have already shown that it ends by itself.
timed_run() {  # results-file program [argument...]
    local results="$1" start end shown
    shift
    start=$EPOCHREALTIME
    if ! "$@" >"$work/stdout" 2>"$work/stderr"; then
        echo "$* failed:" >&2
        cat "$work/stderr" >&2
        exit 1
    fi
    end=$EPOCHREALTIME
    shown=$(awk '$1 == "first" && $2 == "frame" { print $3 }' "$work/stdout")
    if [[ -z "$shown" ]]; then
        echo "$* did not report its first frame" >&2
        exit 1
    fi
    echo "$start $shown $end" |
        awk '{ printf "%.3f %.3f\n", ($2 - $1) * 1000, ($3 - $1) * 1000 }' >>"$results"
}

# One run of a program under /usr/bin/time: appends its peak resident memory in KB to the file
# named. A run that fails or shows no frame within 30 seconds stops the measurement.
memory_run() {  # results-file program [argument...]
    local results="$1"
    shift
    if ! timeout 30 /usr/bin/time -f "%M" -o "$work/rss" "$@" >/dev/null 2>"$work/stderr"; then
        echo "$* failed or showed no first frame:" >&2
        cat "$work/stderr" "$work/rss" >&2
        exit 1
    fi
    # Only the last line: time puts a note about the exit status above the figure if there is one.
    tail -n 1 "$work/rss" >>"$results"
}

median() {  # file column
    sort -n -k "$2,$2" "$1" | awk -v c="$2" '{ v[NR] = $c }
        END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One line of the table: name, median time to first frame, to exit, peak memory, and the ratios
# of those to the minimal window's.
row() {  # name results-stem
    local ms end kb
    ms=$(median "$work/$2" 1)
    end=$(median "$work/$2" 2)
    kb=$(median "$work/$2-kb" 1)
    awk -v name="$1" -v ms="$ms" -v end="$end" -v kb="$kb" -v mm="$minimal_ms" \
        -v me="$minimal_end" -v mk="$minimal_kb" 'BEGIN {
            printf "  %-24s %6.1f ms %5.2fx %6.1f ms %5.2fx %6.1f MB %5.2fx\n",
                name, ms, ms / mm, end, end / me, kb / 1024, kb / mk
        }'
}

measure() {  # platform name
    local platform="$1" name="$2"
    rm -f "$work"/game* "$work"/german* "$work"/minimal* "$work"/label*
    export QT_QPA_PLATFORM="$platform"
    # Memory first; these runs also bring the libraries and fonts into the page cache.
    for ((i = 0; i < 5; ++i)); do
        memory_run "$work/game-kb" "$game"
        LANGUAGE=de LANG=de_DE.UTF-8 memory_run "$work/german-kb" "$game"
        memory_run "$work/minimal-kb" "$minimal"
        memory_run "$work/label-kb" "$minimal" --label
    done
    # Each round starts the three programs in a different order, and every run waits a moment
    # first: the X server and the message bus are still tidying up after the program before,
    # which would otherwise always slow down the same one.
    local order=(game german minimal label)
    for ((i = 0; i < runs; ++i)); do
        for program in "${order[@]:i%4}" "${order[@]:0:i%4}"; do
            sleep 0.05
            case "$program" in
                game) timed_run "$work/game" "$game" ;;
                german) LANGUAGE=de LANG=de_DE.UTF-8 timed_run "$work/german" "$game" ;;
                minimal) timed_run "$work/minimal" "$minimal" ;;
                label) timed_run "$work/label" "$minimal" --label ;;
            esac
        done
    done
    minimal_ms=$(median "$work/minimal" 1)
    minimal_end=$(median "$work/minimal" 2)
    minimal_kb=$(median "$work/minimal-kb" 1)
    echo "$name ($runs timed runs and 5 memory runs each; medians, and ratios to the minimal window)"
    printf "  %-24s %17s %17s %17s\n" "" "to first frame" "to exit" "peak memory"
    row "game" game
    row "game in German" german
    row "minimal window" minimal
    row "minimal window + label" label
    awk -v de="$(median "$work/german" 1)" -v en="$(median "$work/game" 1)" 'BEGIN {
        printf "  German / English start-up: %.3f (%+.1f %%)\n", de / en, (de / en - 1) * 100 }'
}

measure offscreen "offscreen"

desktop_xvfb 1280x1024
measure xcb "xcb under Xvfb ($DISPLAY)"
