#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the printing tests that need a CUPS queue against a cupsd of its own (configuration,
# spool and socket in a temporary directory) with one default queue printing into /dev/null.
# Exits 77 (skipped) without cupsd or the cups-pdf driver.   tests/printing/cups_queue.sh TESTS_UI
set -euo pipefail
export PATH=$PATH:/usr/sbin ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
command -v cupsd >/dev/null && command -v lpadmin >/dev/null && [[ -f $ppd ]] || { echo "SKIP: needs cups and cups-pdf"; exit 77; }
chmod 755 "$dir" && mkdir -m 1777 "$dir/tmp" && mkdir "$dir/spool" "$dir/log"
printf '%s\n' "Listen $dir/sock" '<Location />' 'Allow all' '</Location>' >"$dir/cupsd.conf"
printf '%s\n' "ServerRoot $dir" "RequestRoot $dir/spool" "TempDir $dir/tmp" "CacheDir $dir" \
    "StateDir $dir" "ErrorLog $dir/log/error" "AccessLog $dir/log/access" 'FileDevice Yes' \
    >"$dir/files.conf"
cupsd -f -c "$dir/cupsd.conf" -s "$dir/files.conf" &
trap "kill $! && wait $!; rm -rf '$dir'" EXIT
export CUPS_SERVER=$dir/sock PATHWICK_TEST_QUEUE=PathwickTest
for _ in $(seq 100); do lpstat -r | grep -q "is running" && break; sleep 0.1; done
lpadmin -p PathwickTest -E -v file:///dev/null -P "$ppd" && lpadmin -d PathwickTest
"$1" test_print_pdf printingOnACupsQueueReportsWhatTheQueueDid
# Without the queue named, the class sees no printers although the server has a default one.
env -u PATHWICK_TEST_QUEUE "$1" test_print_pdf printerThatCannotStartReportsAPrintError
