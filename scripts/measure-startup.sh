#!/usr/bin/env bash
# Measures the game's start-up against a minimal Qt Widgets program that shows one window of the
# same size (bench/startup/minimal_window.cpp). Both run with PATHWICK_QUIT_AFTER_FIRST_FRAME=1,
# report the moment their first frame was shown and end. The timed runs give the time from
# launch to that first frame (the start-up) and to the end of the process; five further runs
# under /usr/bin/time give the peak resident memory. Both programs are built in Release and run
# alternately, on the offscreen platform and on X11 under an Xvfb server that the script starts
# on a free display and stops at the end. Prints the medians and the ratios game/minimal for
# each platform.
#   scripts/measure-startup.sh          20 runs of each program per platform
#   scripts/measure-startup.sh -n 50    50 runs of each
# The build goes to build-startup/ (STARTUP_BUILD_DIR overrides it).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=20
while getopts "n:h" option; do
    case "$option" in
        n) runs="$OPTARG" ;;
        *) sed -n '2,11p' "$0"; exit 2 ;;
    esac
done
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "runs must be a positive whole number: $runs" >&2; exit 2; }

build_dir="${STARTUP_BUILD_DIR:-build-startup}"
scripts/deps.sh --test

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DPATHWICK_BUILD_TESTS=OFF \
    -DPATHWICK_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target pathwick pathwick-minimal-window >/dev/null
game="$build_dir/src/pathwick"
minimal="$build_dir/bench/startup/pathwick-minimal-window"

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

export PATHWICK_QUIT_AFTER_FIRST_FRAME=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# One timed run of a program: appends "<ms to first frame> <ms to exit>" to the file named. The
# program is started straight from this shell, with no wrapper process around it whose own start
# would be counted in both times. The warm-up runs have already shown that it ends by itself.
timed_run() {  # program results-file
    local start end shown
    start=$EPOCHREALTIME
    if ! "$1" >"$work/stdout" 2>"$work/stderr"; then
        echo "$1 failed:" >&2
        cat "$work/stderr" >&2
        exit 1
    fi
    end=$EPOCHREALTIME
    shown=$(awk '$1 == "first" && $2 == "frame" { print $3 }' "$work/stdout")
    if [[ -z "$shown" ]]; then
        echo "$1 did not report its first frame" >&2
        exit 1
    fi
    echo "$start $shown $end" | awk '{ printf "%.3f %.3f\n", ($2 - $1) * 1000, ($3 - $1) * 1000 }' >>"$2"
}

# One run of a program under /usr/bin/time: appends its peak resident memory in KB to the file
# named. A run that fails or shows no frame within 30 seconds stops the measurement.
memory_run() {  # program results-file
    if ! timeout 30 /usr/bin/time -f "%M" -o "$work/rss" "$1" >/dev/null 2>"$work/stderr"; then
        echo "$1 failed or showed no first frame:" >&2
        cat "$work/stderr" "$work/rss" >&2
        exit 1
    fi
    # Only the last line: time puts a note about the exit status above the figure if there is one.
    tail -n 1 "$work/rss" >>"$2"
}

median() {  # file column
    sort -n -k "$2,$2" "$1" | awk -v c="$2" '{ v[NR] = $c }
        END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

measure() {  # platform name
    local platform="$1" name="$2"
    rm -f "$work"/game* "$work"/minimal*
    export QT_QPA_PLATFORM="$platform"
    # Memory first; these runs also bring the libraries and fonts into the page cache.
    for ((i = 0; i < 5; ++i)); do
        memory_run "$game" "$work/game-kb"
        memory_run "$minimal" "$work/minimal-kb"
    done
    for ((i = 0; i < runs; ++i)); do
        timed_run "$game" "$work/game"
        timed_run "$minimal" "$work/minimal"
    done
    local game_ms game_end game_kb minimal_ms minimal_end minimal_kb
    game_ms=$(median "$work/game" 1)
    game_end=$(median "$work/game" 2)
    game_kb=$(median "$work/game-kb" 1)
    minimal_ms=$(median "$work/minimal" 1)
    minimal_end=$(median "$work/minimal" 2)
    minimal_kb=$(median "$work/minimal-kb" 1)
    awk -v name="$name" -v runs="$runs" -v gm="$game_ms" -v ge="$game_end" -v gk="$game_kb" \
        -v mm="$minimal_ms" -v me="$minimal_end" -v mk="$minimal_kb" 'BEGIN {
            printf "%s (%d timed runs and 5 memory runs each, medians)\n", name, runs
            printf "  %-22s %14s %11s %14s\n", "", "to first frame", "to exit", "peak memory"
            printf "  %-22s %11.1f ms %8.1f ms %11.1f MB\n", "game", gm, ge, gk / 1024
            printf "  %-22s %11.1f ms %8.1f ms %11.1f MB\n", "minimal window", mm, me, mk / 1024
            printf "  %-22s %13.2fx %10.2fx %13.2fx\n", "ratio game/minimal", gm / mm, ge / me, gk / mk
        }'
}

measure offscreen "offscreen"

# Xvfb picks a free display itself and writes its number to the descriptor given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for ((i = 0; i < 100; ++i)); do
    [[ -s "$work/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
[[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
measure xcb "xcb under Xvfb ($DISPLAY)"
