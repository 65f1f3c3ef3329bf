#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon resources/icons/io.github.pathwick.Pathwick.svg into the PNG sizes of
# the hicolor icon theme, under resources/icons/hicolor/<N>x<N>/apps/. The PNGs are committed;
# run this again only after changing the SVG.
#
# Maintainer tool, not part of the build: rsvg-convert from the Debian package librsvg2-bin
#   apt-get install --no-install-recommends librsvg2-bin
set -euo pipefail
cd "$(dirname "$0")/.."

app_id=io.github.pathwick.Pathwick
svg=resources/icons/$app_id.svg
sizes=(16 32 48 64 128 256)

if ! command -v rsvg-convert >/dev/null; then
    echo "make-icons.sh: rsvg-convert not found; install the Debian package librsvg2-bin" >&2
    exit 1
fi

for size in "${sizes[@]}"; do
    dir=resources/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --format png --output "$dir/$app_id.png" "$svg"
    echo "$dir/$app_id.png"
done
