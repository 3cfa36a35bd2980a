#!/usr/bin/env bash
# Sets up, builds (Release) and runs kavrin-cli on a working copy of the demonstration data
# folder. Arguments are passed to kavrin-cli; without any it lists the 20 newest draws.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target kavrin-cli >/dev/null
data=build/demo-data
if [ ! -d "$data" ]; then
  mkdir -p "$data"
  cp demo/* "$data"/
fi
if [ $# -eq 0 ]; then set -- draws list --limit 20; fi
exec build/release/kavrin-cli --data-dir "$data" "$@"
