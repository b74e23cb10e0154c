#!/usr/bin/env bash
# Builds the layout reader's fuzzer with clang and runs it.
#   ./fuzz/run-fuzzer.sh SECONDS   fuzz for that long (a working corpus in fuzz/corpus-work)
#   ./fuzz/run-fuzzer.sh seeds     only run the committed seed corpus once (what CI does)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZENTAF_FUZZ=ON -DZENTAF_BUILD_TESTS=OFF -DZENTAF_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"
fi
cmake --build "$BUILD" --target fuzz_layout_reader
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
if [ "${1:-seeds}" = seeds ]; then
  exec "$BUILD/fuzz/fuzz_layout_reader" -runs=0 fuzz/corpus
fi
mkdir -p fuzz/corpus-work
exec "$BUILD/fuzz/fuzz_layout_reader" -max_total_time="$1" -max_len=65536 fuzz/corpus-work fuzz/corpus
