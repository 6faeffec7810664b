#!/usr/bin/env bash
# Configures and builds everything into build/.
#   scripts/build.sh        optimised build with debug information (the program, the benchmarks)
#   scripts/build.sh ci     unoptimised build without debug information, instrumented with
#                           AddressSanitizer and UndefinedBehaviorSanitizer (the first finding
#                           ends the program), for running the tests
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = ci ]; then
  sanitizers="-fsanitize=address,undefined"
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0" \
    -DCMAKE_CXX_FLAGS="$sanitizers -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_DEBUG="-g" \
    -DCMAKE_CXX_FLAGS="" -DCMAKE_EXE_LINKER_FLAGS=""
fi
cmake --build build --parallel "$(nproc)"
