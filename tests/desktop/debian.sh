#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build as its Debian package (cpack, as scripts/package.sh does) and checks the package:
# lintian finds no error and no warning; the program is in /usr/games and, unpacked, loads its
# rules from /usr/share/pathwick; man renders the manual page without a warning. Exits with 77
# (skipped) where lintian is not installed.
#   debian.sh CPACK_COMMAND BUILD_DIR
set -uo pipefail

cpack_command=$1
build_dir=$2

if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is not installed (scripts/deps.sh --test installs it)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! "$cpack_command" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/packages" \
    >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
deb=("$scratch"/packages/pathwick_*.deb)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Informational tags are shown too. A build of the tests has not Debian's hardening flags, which
# scripts/package.sh gives the package it builds: here lintian says so, as information only.
echo "== lintian"
lintian --display-info --fail-on error,warning "${deb[0]}" || fail "lintian reports errors or warnings"

dpkg-deb -x "${deb[0]}" "$scratch/root" || fail "the package does not unpack"
usr=$scratch/root/usr
[[ -x "$usr/games/pathwick" && ! -e "$usr/bin" ]] || fail "the program is not in /usr/games alone"
out=$(env QT_QPA_PLATFORM=offscreen PATHWICK_CHECK_RULES=1 XDG_DATA_HOME="$scratch/none" \
    XDG_DATA_DIRS="$scratch/none" timeout 30 "$usr/games/pathwick" 2>&1)
[[ "$out" == *"rules loaded: $usr/share/pathwick/Rules.rtf"* ]] ||
    fail "the program in /usr/games does not load its rules: $out"

echo "== man -l usr/share/man/man6/pathwick.6.gz"
page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man6/pathwick.6.gz" \
    2>"$scratch/man.err")
[[ -s "$scratch/man.err" ]] && fail "man warns about the page: $(cat "$scratch/man.err")"
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES; do
    grep -q "^$heading" <<<"$page" || fail "the manual page has no $heading"
done
for option in FILE "-h, --help" --version; do
    grep -q -- "^ *$option" <<<"$page" || fail "the manual page does not explain $option"
done

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "lintian accepts ${deb[0]##*/}; the program runs from /usr/games; its manual page renders"
