#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package of Pathwick!: lintian finds no error and no warning; the program is in
# /usr/games and, unpacked, loads its rules from /usr/share/pathwick; man renders the manual page
# without a warning. Given a build directory, first packs that build as scripts/package.sh does.
# Exits with 77 (nothing checked) where lintian is not installed.
#   scripts/check-deb.sh [--hardened] DEB|BUILD_DIR
# --hardened: the program must also have Debian's hardening (scripts/package.sh builds it in; a
# build of the tests has not, and lintian says so only as information).
set -uo pipefail

hardened=false
if [[ "${1:-}" == --hardened ]]; then
    hardened=true
    shift
fi
if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is not installed (scripts/deps.sh --test installs it)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

deb=$1
if [[ -d "$deb" ]]; then
    if ! cpack -G DEB --config "$deb/CPackConfig.cmake" -B "$scratch/packages" \
        >"$scratch/cpack.log" 2>&1; then
        cat "$scratch/cpack.log"
        echo "FAIL: cpack could not pack $deb"
        exit 1
    fi
    deb=$(echo "$scratch"/packages/pathwick_*.deb)
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

echo "== lintian --display-info ${deb##*/}"
lintian --display-info --fail-on error,warning "$deb" | tee "$scratch/lintian.log" ||
    fail "lintian reports errors or warnings"
if $hardened && grep -q hardening- "$scratch/lintian.log"; then
    fail "the program lacks Debian's hardening"
fi

dpkg-deb -x "$deb" "$scratch/root" || fail "the package does not unpack"
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
echo "lintian accepts ${deb##*/}; the program runs from /usr/games; its manual page renders"
