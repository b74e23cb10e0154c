#!/usr/bin/env bash
# Builds everything (designer, tests, benchmarks) and runs every test headless, then
# builds the layout reader's fuzzer with clang and runs it over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure
./fuzz/run-fuzzer.sh seeds
