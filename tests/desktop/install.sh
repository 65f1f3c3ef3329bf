#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks the installed tree: every file where the
# desktop expects it, a metainfo that finds its desktop entry, and a program that loads its rules
# document from <prefix>/share/pathwick although the prefix is not a shared data directory; with
# the document gone, the program reports the failure.
#
# The program proves that it loaded the rules when started with PATHWICK_CHECK_RULES=1: it creates
# the rules window, prints "rules loaded: <path>" and exits with 0, or reports
# "rules not loaded: <path>: <reason>" on standard error and exits with 1.
#   install.sh CMAKE_COMMAND BUILD_DIR
set -uo pipefail

cmake_command=$1
build_dir=$2
app_id=io.github.pathwick.Pathwick

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
scratch=$(realpath "$scratch")
prefix=$scratch/prefix
no_data=$scratch/no-data
mkdir -p "$no_data"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! "$cmake_command" --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install into $prefix failed"
    exit 1
fi

expected=(
    bin/pathwick
    share/pathwick/Rules.rtf
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/mime/packages/$app_id.xml"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [[ -f "$prefix/$file" ]] || fail "$file is not installed"
done
[[ -x "$prefix/bin/pathwick" ]] || fail "bin/pathwick is not executable"
# The document must come from share/pathwick, not from beside the program.
[[ ! -e "$prefix/bin/Rules.rtf" ]] || fail "bin/Rules.rtf is installed beside the program"

appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"

# Runs the installed program's rules check with no shared data directory that could hold a copy.
check_rules() {
    env QT_QPA_PLATFORM=offscreen PATHWICK_CHECK_RULES=1 \
        XDG_DATA_HOME="$no_data" XDG_DATA_DIRS="$no_data" \
        timeout 30 "$prefix/bin/pathwick" >"$scratch/out" 2>"$scratch/err"
    rc=$?
    if ((rc == 124)); then
        echo "FAIL: the program did not exit: does main() handle PATHWICK_CHECK_RULES=1?"
        exit 1
    fi
}
show_output() {
    echo "--- stdout:"
    cat "$scratch/out"
    echo "--- stderr:"
    cat "$scratch/err"
}

rules=$prefix/share/pathwick/Rules.rtf
check_rules
if ((rc != 0)) || ! grep -qxF "rules loaded: $rules" "$scratch/out"; then
    show_output
    fail "the installed program did not load $rules (exit status $rc)"
fi

rm -f "$rules"
check_rules
if ((rc != 1)) || grep -q "^rules loaded:" "$scratch/out" ||
    ! grep -qF "rules not loaded: " "$scratch/err"; then
    show_output
    fail "without its rules document the program did not report the failure (exit status $rc)"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed tree is complete and the program loads its rules from $rules"
