#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless every translation in translations/ is complete and current: lupdate, run over the
# sources into a copy of each pathwick_<language>.ts, must find no text without a translation
# (unfinished, also an empty one) and none that the sources no longer have (obsolete).
# Prints the counts of each language.
#   scripts/check-translations.sh LUPDATE [PROJECT_FOLDER]
set -euo pipefail
lupdate=$1
root=${2:-$(dirname "$0")/..}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$root"/translations/pathwick_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#pathwick_}
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none "$root/src" -ts "$copy"
    unfinished=$(grep -cE 'type="unfinished"|<translation></translation>|<numerusform></numerusform>' \
        "$copy" || true)
    obsolete=$(grep -cE 'type="(obsolete|vanished)"' "$copy" || true)
    echo "$language: $unfinished unfinished, $obsolete obsolete"
    if ((unfinished + obsolete > 0)); then
        grep -B3 -E 'type="(unfinished|obsolete|vanished)"' "$copy" | grep '<source>' | sed 's/^/    /'
        status=1
    fi
done
exit $status
