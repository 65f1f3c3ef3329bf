#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each of them for a bounded time.
#   scripts/fuzz.sh                         every target, 60 seconds each
#   scripts/fuzz.sh -t 180 fuzz_rtfreader   one target, 3 minutes
# The build goes to build-fuzz/ (FUZZ_BUILD_DIR overrides it). Each target keeps its corpus in
# <build>/fuzz/<target>/corpus between runs and writes crashing inputs to
# <build>/fuzz/<target>/artifacts/. Exits non-zero if any target found a problem.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
while getopts "t:h" option; do
    case "$option" in
        t) seconds="$OPTARG" ;;
        *) sed -n '2,7p' "$0"; exit 2 ;;
    esac
done
shift $((OPTIND - 1))

build_dir="${FUZZ_BUILD_DIR:-build-fuzz}"
scripts/deps.sh --test

# Every target declared in tests/fuzz/CMakeLists.txt, unless some are named.
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    mapfile -t targets < <(sed -n 's/^pathwick_add_fuzzer(\([A-Za-z0-9_]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
fi

# Seed inputs of a target: real documents of the kind it reads, and the hand-made inputs in
# tests/fuzz/seeds/<target>/ that lead it to corners the real ones do not visit.
seeds_for() {
    case "$1" in
        fuzz_rtfreader) ls resources/Rules.rtf tests/data/*.rtf ;;
    esac
    if [[ -d "tests/fuzz/seeds/$1" ]]; then
        find "tests/fuzz/seeds/$1" -type f
    fi
}

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPATHWICK_BUILD_FUZZERS=ON -DPATHWICK_BUILD_TESTS=ON -DPATHWICK_BUILD_BENCH=OFF
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
for target in "${targets[@]}"; do
    work="$build_dir/fuzz/$target"
    mkdir -p "$work/corpus" "$work/seeds" "$work/artifacts"
    while read -r seed; do
        [[ -n "$seed" ]] && cp "$seed" "$work/seeds/"
    done < <(seeds_for "$target")
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$work/artifacts/")
    if [[ -f "tests/fuzz/$target.dict" ]]; then
        options+=(-dict="tests/fuzz/$target.dict")
    fi
    echo "== $target: ${seconds} s"
    if ! "$build_dir/tests/fuzz/$target" "${options[@]}" "$work/corpus" "$work/seeds"; then
        failed+=("$target")
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Problems found by: ${failed[*]} (inputs in $build_dir/fuzz/<target>/artifacts/)" >&2
    exit 1
fi
echo "No problems found."
