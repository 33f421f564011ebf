#!/usr/bin/env bash
# Builds R-LAY and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
