#!/usr/bin/env bash
# Configures and builds into ./build (Ninja). Extra arguments go to ninja (targets).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
BUILD_DIR=${BUILD_DIR:-build}
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_ARGS:-}
fi
cmake --build "$BUILD_DIR" -- "$@"
