#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Pathwick! needs. Every package the project uses is named here.
#   scripts/deps.sh          what building and playing needs
#   scripts/deps.sh --test   also what the test suite and benchmarks need
#   scripts/deps.sh --docs   also what the README's screenshots need
set -euo pipefail

# qt6-tools-dev has CMake's qt_add_translations, qt6-l10n-tools its lupdate and lrelease;
# libcups2-dev lets the print command ask the print server whether it took the job, which Qt
# does not report.
build_packages=(build-essential cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev
    libcups2-dev fonts-dejavu-core)
# pdftotext for the printing tests, clang for the fuzz targets, Google Benchmark for bench/,
# desktop-file-validate and appstreamcli for the desktop entry and metainfo tests,
# time (/usr/bin/time, peak memory), xvfb and dbus-daemon (a session bus, as on a desktop) for
# scripts/measure-startup.sh; util-linux (setpriv) for the tests that save as an unprivileged
# user; for the screen reader test the accessibility bus (at-spi2-core), python3 with AT-SPI
# (python3-pyatspi, gir1.2-atspi-2.0), dbus (dbus-send, dbus-run-session) and xdotool to press keys,
# and for the test by ear the screen reader orca with speech-dispatcher;
# shared-mime-info, xdg-utils, libfile-mimeinfo-perl (the mimetype program xdg-mime asks outside
# GNOME and KDE) and libglib2.0-bin (gio, which it asks on GNOME) for the maze files' type;
# openbox, weston and qt6-wayland for the window tests on X11 and Wayland
# (scripts/test-lane.sh), libxcb1-dev for the test that asks the X11 window manager; lintian and
# man-db (man) for the test of the Debian package and its manual page; qt6-translations-l10n
# for Qt's own texts in the tests of the translated game; cups-daemon, cups-client and
# printer-driver-cups-pdf (its driver file) for the test that prints on a queue of its own.
test_packages=(libbenchmark-dev poppler-utils clang desktop-file-utils appstream time xvfb
    dbus-daemon util-linux dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xdotool orca
    speech-dispatcher
    shared-mime-info xdg-utils libfile-mimeinfo-perl libglib2.0-bin openbox weston qt6-wayland
    libxcb1-dev lintian man-db qt6-translations-l10n cups-daemon cups-client
    printer-driver-cups-pdf)

# xwd (x11-apps) and netpbm for the screenshots of scripts/screenshots-de.sh.
docs_packages=(xvfb openbox xdotool x11-apps netpbm)

packages=("${build_packages[@]}")
if [[ "${1:-}" == "--test" ]]; then
    packages+=("${test_packages[@]}")
elif [[ "${1:-}" == "--docs" ]]; then
    packages+=("${docs_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
