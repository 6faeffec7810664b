#!/usr/bin/env bash
# Configures and builds everything into build/.
#   scripts/build.sh        optimised build with debug information (the program, the benchmarks)
#   scripts/build.sh ci     unoptimised build without debug information: the fastest to compile and
#                           link, for running the tests
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = ci ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0"
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_DEBUG="-g"
fi
cmake --build build --parallel "$(nproc)"
