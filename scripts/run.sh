#!/usr/bin/env bash
# Sets up and builds (Release) both programs over a working copy of the demonstration data
# folder. With a display (DISPLAY or WAYLAND_DISPLAY) and no arguments it opens the window
# Kavrin_5x50; without a display it backtests the demonstration scenario over the last 20 draws
# with kavrin-cli. Arguments are passed to kavrin-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target kavrin-cli Kavrin_5x50 >/dev/null
data=build/demo-data
mkdir -p "$data"
# Files already in the working copy (a user's stakes and rating among them) are kept.
for file in demo/*; do
  [ -e "$data/$(basename "$file")" ] || cp "$file" "$data"/
done
if [ $# -eq 0 ]; then
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/src/gui/Kavrin_5x50 --data-dir "$data"
  fi
  echo "No display: running the headless demonstration. With a display, the same command opens the window (build/release/src/gui/Kavrin_5x50 --data-dir $data)."
  set -- scenario test "$data/demo.lsc" --tests 20
fi
exec build/release/kavrin-cli --data-dir "$data" "$@"
