#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's German screenshots under Xvfb with the openbox window manager: the main
# window after a few steps, the map with markers, and the rules window, as
# docs/screenshot-de-game.png, docs/screenshot-de-map.png and docs/screenshot-de-rules.png.
# The game is played with xdotool's keys and pictured with xwd.
#   scripts/screenshots-de.sh [BUILD_DIR]     the program of BUILD_DIR (default build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --docs
game=${1:-build-test}/src/pathwick
[[ -x $game ]] || { echo "screenshots-de.sh: no program at $game; build it first" >&2; exit 1; }

source scripts/lib/desktop.sh
desktop_begin
export XDG_RUNTIME_DIR=$desktop_scratch/runtime
desktop_xvfb 1024x768
desktop_openbox

LANGUAGE=de LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb desktop_spawn "$game"
window_of() {  # title
    local id=""
    for ((i = 0; i < 100; ++i)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [[ -n $id ]] && break
        sleep 0.1
    done
    echo "$id"
}
picture() {  # window file
    sleep 0.5
    xwd -silent -frame -id "$1" | xwdtopnm 2>/dev/null | pnmtopng >"$2"
    echo "wrote $2"
}
keys() { xdotool key --delay 60 "$@"; }

main=$(window_of 'Pathwick!')
xdotool windowactivate --sync "$main"
# A walk with a marker of each colour on the way.
keys F1 Right Right Right F2 Down Down Down F3 Left Left F4 Up
picture "$main" docs/screenshot-de-game.png
# The map with every colour ticked: Alt+K shows it, Alt+M reaches the colour boxes.
keys alt+k alt+m space Tab space Tab space Tab space alt+z
picture "$main" docs/screenshot-de-map.png
keys alt+l alt+h r
rules=$(window_of 'Regeln von Pathwick!')
xdotool windowactivate --sync "$rules"
keys Tab Down Down
picture "$rules" docs/screenshot-de-rules.png
