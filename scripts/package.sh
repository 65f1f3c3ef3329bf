#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Pathwick!: a Release build without tests and benchmarks, with
# Debian's hardening flags, then cpack. Prints the path of the .deb.
#   scripts/package.sh              builds in build-pkg/
#   scripts/package.sh DIR          builds in DIR
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# cpack works out the library dependencies with dpkg-shlibdeps, and dpkg-buildflags gives the
# hardening flags (dpkg-dev, part of build-essential).
if ! command -v dpkg-shlibdeps >/dev/null || ! command -v dpkg-buildflags >/dev/null; then
    echo "package.sh: dpkg-shlibdeps not found; install the Debian package dpkg-dev" >&2
    exit 1
fi

build_dir=${1:-build-pkg}
# Debian's hardening flags, all of them (bindnow too), as dpkg-buildflags gives them to a Debian
# package's build. CMake reads no CPPFLAGS, so the preprocessor's flags go with the compiler's.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ld_flags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$ld_flags" \
    -DPATHWICK_BUILD_TESTS=OFF -DPATHWICK_BUILD_BENCH=OFF -DPATHWICK_SANITIZE=OFF
cmake --build "$build_dir" --target pathwick -j "$(nproc)"

package_dir=$build_dir/packages
rm -rf "$package_dir"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$package_dir"

debs=("$package_dir"/pathwick_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
    echo "package.sh: expected one pathwick_*.deb in $package_dir" >&2
    exit 1
fi
realpath "${debs[0]}"
