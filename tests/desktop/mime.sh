#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix, builds the MIME and desktop-entry databases there as
# a desktop's package manager does, and asks xdg-mime, with XDG_DATA_DIRS naming only that
# prefix, what a maze file is and which program opens it. The file type is asked the way a
# generic desktop asks (the mimetype program) and the way GNOME, Xfce and their kin ask (gio).
#   mime.sh CMAKE_COMMAND BUILD_DIR
set -uo pipefail

cmake_command=$1
build_dir=$2
app_id=io.github.pathwick.Pathwick
maze_type=application/x-pathwick-maze

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
scratch=$(realpath "$scratch")
prefix=$scratch/prefix
home=$scratch/home
mkdir -p "$home/.config" "$home/.local/share" "$scratch/etc-xdg"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for tool in update-mime-database update-desktop-database xdg-mime mimetype gio; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is not installed; scripts/deps.sh --test installs it"
        exit 1
    fi
done

if ! "$cmake_command" --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install into $prefix failed"
    exit 1
fi
[[ -f "$prefix/share/mime/packages/$app_id.xml" ]] ||
    fail "share/mime/packages/$app_id.xml is not installed"

# A desktop that knows only the scratch prefix. desktop: the value of XDG_CURRENT_DESKTOP,
# empty for none.
on_desktop() {
    local desktop=$1
    shift
    env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_DIRS="$scratch/etc-xdg" \
        XDG_DATA_DIRS="$prefix/share" ${desktop:+XDG_CURRENT_DESKTOP="$desktop"} "$@"
}

# Any warning of update-mime-database means a part of the type was not understood.
on_desktop "" update-mime-database "$prefix/share/mime" >"$scratch/mime.log" 2>&1 ||
    fail "update-mime-database failed"
if [[ -s "$scratch/mime.log" ]]; then
    cat "$scratch/mime.log"
    fail "update-mime-database complained about the installed type"
fi
update-desktop-database "$prefix/share/applications" ||
    fail "update-desktop-database rejects the installed desktop entry"

# The files are made; only their names tell a maze from another text.
printf '1,1\r\n25,25\r\n' >"$scratch/some.maz"
cp "$scratch/some.maz" "$scratch/maze notes.txt"
check_type() {  # desktop file expected
    local desktop=$1 file=$2 expected=$3 got
    got=$(on_desktop "$desktop" xdg-mime query filetype "$file" 2>"$scratch/err")
    [[ "$got" == "$expected" ]] ||
        fail "on desktop '${desktop:-generic}', xdg-mime says $(basename "$file") is '$got'," \
            "expected '$expected' $(cat "$scratch/err")"
}
for desktop in "" GNOME; do
    check_type "$desktop" "$scratch/some.maz" "$maze_type"
    check_type "$desktop" "$scratch/maze notes.txt" text/plain
done

default=$(on_desktop "" xdg-mime query default "$maze_type" 2>&1)
[[ "$default" == "$app_id.desktop" ]] ||
    fail "xdg-mime gives '$default' as the default program for $maze_type, expected $app_id.desktop"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "a .maz file is $maze_type and opens with $app_id.desktop"
