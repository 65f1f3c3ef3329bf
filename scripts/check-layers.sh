#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes from a folder above its own in the chain
#   core < views < files < game < ui < app
# Usage: scripts/check-layers.sh [project folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

layers=(core views files game ui app)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [[ ${layers[$i]} == "$1" ]] && { echo "$i"; return; }
    done
    echo -1
}

status=0
for folder in "${layers[@]}"; do
    [[ -d $folder ]] || continue
    own=$(rank "$folder")
    while IFS=: read -r file line include; do
        target=${include#*\"}
        target=${target%%/*}
        theirs=$(rank "$target")
        if ((theirs > own)); then
            echo "src/$file:$line: $folder/ includes from $target/, a layer above it"
            status=1
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$folder" || true)
done
if ((status == 0)); then
    echo "Every include runs down the layers: ${layers[*]}"
fi
exit "$status"
