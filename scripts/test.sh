#!/usr/bin/env bash
# Builds R-LAY and runs every test, headless.
#
# It then builds everything again into build-sanitize/,
# each unit compiled on its own (no unity batches, no precompiled headers, so
# that no missing include hides) under AddressSanitizer with leak checks and
# UndefinedBehaviorSanitizer, and runs every test there: the first fault,
# leak or undefined operation fails the run. RLAY_SANITIZE=0 leaves that
# second build out.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

if [ "${RLAY_SANITIZE:-1}" != "0" ]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DRLAY_SANITIZE=address,undefined -DRLAY_UNITY_BUILD=OFF -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON \
    -DRLAY_BUILD_BENCH=OFF >/dev/null
  cmake --build build-sanitize -j"$jobs"
  cd build-sanitize
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
fi
