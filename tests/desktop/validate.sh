#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the desktop integration files against the freedesktop.org tools and against each other:
# the desktop entry (desktop-file-validate), the AppStream metainfo (appstreamcli), the names
# that tie them to the icon and to the maze files' MIME type, the newest release against the project's version, and the size of
# every icon picture.
#   validate.sh SOURCE_DIR PROJECT_VERSION
set -uo pipefail

source_dir=$1
project_version=$2
app_id=io.github.pathwick.Pathwick
desktop=$source_dir/resources/desktop/$app_id.desktop
metainfo=$source_dir/resources/desktop/$app_id.metainfo.xml
mime=$source_dir/resources/desktop/$app_id.mime.xml
icons=$source_dir/resources/icons

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

# The names that must agree: the metainfo's id and launchable, the desktop entry's icon.
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
grep -qx "Exec=pathwick %f" "$desktop" ||
    fail "the desktop entry does not start pathwick with the file it is given"

# The maze files' type: defined once, declared by the desktop entry and the metainfo, shown with
# the program's icon.
maze_type=$(grep -o '<mime-type type="[^"]*"' "$mime" | cut -d '"' -f 2)
[[ "$maze_type" == application/x-pathwick-maze ]] ||
    fail "$mime defines '$maze_type', not the one type application/x-pathwick-maze"
grep -q '<glob pattern="\*\.maz"/>' "$mime" || fail "the maze type does not claim *.maz"
grep -q "<icon name=\"$app_id\"/>" "$mime" || fail "the maze type's icon is not $app_id"
grep -qx "MimeType=$maze_type;" "$desktop" || fail "the desktop entry does not declare $maze_type"
grep -q "<mediatype>$maze_type</mediatype>" "$metainfo" ||
    fail "the metainfo does not provide $maze_type"

# The first release listed is the newest; it must be the version being built.
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)
[[ "$newest" == "$project_version" ]] ||
    fail "the newest release in the metainfo is '$newest', the project's version is $project_version"

# Every icon picture is a PNG of the size its folder names.
[[ -f "$icons/$app_id.svg" ]] || fail "the scalable icon $icons/$app_id.svg is missing"
for size in 16 32 48 64 128 256; do
    png=$icons/hicolor/${size}x${size}/apps/$app_id.png
    if [[ ! -f "$png" ]]; then
        fail "$png is missing"
        continue
    fi
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    # Width and height are the big-endian 32-bit numbers at offsets 16 and 20 (the IHDR chunk).
    width=$((16#$(od -An -tx1 -j16 -N4 "$png" | tr -d ' \n')))
    height=$((16#$(od -An -tx1 -j20 -N4 "$png" | tr -d ' \n')))
    [[ "$signature" == 89504e470d0a1a0a ]] || fail "$png is not a PNG file"
    [[ "$width" == "$size" && "$height" == "$size" ]] ||
        fail "$png is ${width}x${height}, expected ${size}x${size}"
done

# Every language of the game's translations speaks in the desktop's texts too.
for ts in "$source_dir"/translations/pathwick_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#pathwick_}
    grep -q "^Comment\[$language\]=" "$desktop" || fail "the desktop entry has no Comment[$language]"
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "the metainfo has no $language summary"
    grep -q "<comment xml:lang=\"$language\">" "$mime" || fail "the MIME type has no $language comment"
done

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "desktop entry, metainfo and icons are valid"
