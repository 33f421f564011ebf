#!/usr/bin/env bash
# Builds R-LAY and starts it (under Xvfb when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a ./build/r-lay
fi
exec ./build/r-lay
