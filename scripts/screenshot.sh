#!/usr/bin/env bash
# Takes screenshots of the main window and of each dialog under a virtual X display (Xvfb), over
# a fresh copy of the demonstration data folder. PNGs go to build/screenshots (or to $1).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target kavrin_screenshots >/dev/null
data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
cp demo/* "$data"/
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1400x900x24 -dpi 96" \
  build/release/src/gui/kavrin_screenshots "$data" "$out"
ls "$out"
