#!/usr/bin/env bash
# Builds the R-LAY program (not the tests and benchmarks) and starts it
# (under Xvfb when there is no display) from the build directory, where the
# build puts its translation files: the program loads them from the
# directory it starts in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh r-lay
cd build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a ./r-lay
fi
exec ./r-lay
