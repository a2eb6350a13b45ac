#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh          ordinary build in build/
#   ./test.sh --asan   AddressSanitizer + UBSan build in build-asan/
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# No widget may reach a core library (the archives are checked again by ctest).
./scripts/check-core.sh
# Every source as .clang-format writes it.
./scripts/check-format.sh

dir=build
flags=()
if [ "${1:-}" = "--asan" ]; then
  dir=build-asan
  flags+=(-DPELCOR_ASAN=ON -DPELCOR_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$dir" -G Ninja -DPELCOR_TESTS=ON "${flags[@]}" >/dev/null
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
ctest --test-dir "$dir" --output-on-failure -j2
