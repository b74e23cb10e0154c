#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the designer need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config git
  qt6-base-dev qt6-svg-dev libgl-dev libglx-dev libvulkan-dev
  libpugixml-dev libzint-dev libzxing-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth poppler-utils
  fonts-liberation fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
    echo "These Debian packages are missing and this user cannot install them: ${missing[*]}" >&2
    echo "Run this script as root (or install sudo)." >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
