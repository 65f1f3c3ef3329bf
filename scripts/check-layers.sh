#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes from a folder above its own, or beside it, in the chain
#   core < views < files < game < rules, program < ui < app
# (rules and program stand side by side: neither includes the other).
# Usage: scripts/check-layers.sh [project folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

levels=(core views files game "rules program" ui app)
rank() {
    local i folder
    for i in "${!levels[@]}"; do
        for folder in ${levels[$i]}; do
            [[ $folder == "$1" ]] && { echo "$i"; return; }
        done
    done
    echo -1
}

status=0
for folder in ${levels[*]}; do
    [[ -d $folder ]] || continue
    own=$(rank "$folder")
    while IFS=: read -r file line include; do
        target=${include#*\"}
        target=${target%%/*}
        theirs=$(rank "$target")
        if ((theirs > own)) || { ((theirs == own)) && [[ $target != "$folder" ]]; }; then
            echo "src/$file:$line: $folder/ includes from $target/, a layer above or beside it"
            status=1
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$folder" || true)
done
for folder in */; do
    folder=${folder%/}
    if [[ $(rank "$folder") -lt 0 ]]; then
        echo "src/$folder/ is in no layer: add it to scripts/check-layers.sh"
        status=1
    fi
done
if ((status == 0)); then
    echo "Every include runs down the layers: ${levels[*]}"
fi
exit "$status"
