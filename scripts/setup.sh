#!/usr/bin/env bash
# Installs what the build needs on Debian 12 when it is missing, then
# configures and builds R-LAY into ./build: the targets named (for example
# r-lay, the program alone), or the program with every test and benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make ccache qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl1-mesa-dev xvfb xauth poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build build -j"$jobs" "${targets[@]}"
