#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Pathwick! and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPATHWICK_BUILD_TESTS=OFF -DPATHWICK_BUILD_BENCH=OFF
cmake --build build --target pathwick -j "$(nproc)"
exec build/src/pathwick "$@"
