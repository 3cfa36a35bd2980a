#!/usr/bin/env bash
# Sets up, builds (Release) and runs kavrin-cli on a working copy of the demonstration data
# folder. Arguments are passed to kavrin-cli; without any it backtests the demonstration scenario
# over the last 20 draws and prints the rating rows it changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target kavrin-cli >/dev/null
data=build/demo-data
mkdir -p "$data"
# Files already in the working copy (a user's stakes and rating among them) are kept.
for file in demo/*; do
  [ -e "$data/$(basename "$file")" ] || cp "$file" "$data"/
done
if [ $# -eq 0 ]; then set -- scenario test "$data/demo.lsc" --tests 20; fi
exec build/release/kavrin-cli --data-dir "$data" "$@"
