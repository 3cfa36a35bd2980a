#!/usr/bin/env bash
# Sets up, builds (Debug, with AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test,
# then every fuzzer for a short while (scripts/fuzz.sh runs them longer).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKAVRIN_SANITIZE=ON -DKAVRIN_BUILD_TESTS=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
bash scripts/fuzz.sh 12
