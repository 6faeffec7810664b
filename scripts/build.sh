#!/usr/bin/env bash
# Configures and builds everything, each build in its own folder, so that
# switching from one to the other rebuilds nothing:
#   scripts/build.sh        build-rel/: optimised with debug information (the
#                           program, le-sim, the benchmarks)
#   scripts/build.sh ci     build/: unoptimised, without debug information,
#                           instrumented with AddressSanitizer and
#                           UndefinedBehaviorSanitizer (the first finding ends
#                           the program), for running the tests
# A new folder is configured for Ninja; a folder configured before keeps its
# generator.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = ci ]; then
  dir=build
  sanitizers="-fsanitize=address,undefined"
  flags=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0"
         -DCMAKE_CXX_FLAGS="$sanitizers -fno-sanitize-recover=all -fno-omit-frame-pointer"
         -DCMAKE_EXE_LINKER_FLAGS="$sanitizers")
else
  dir=build-rel
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="" -DCMAKE_EXE_LINKER_FLAGS="")
fi
generator=()
[ -f "$dir/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S . -B "$dir" "${generator[@]}" "${flags[@]}"
cmake --build "$dir" --parallel "$(nproc)"
