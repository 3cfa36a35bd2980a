#!/usr/bin/env bash
# Installs every Debian package the project builds, tests or runs with. Idempotent: when all
# are present it neither updates the package lists nor installs anything.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcurl4-openssl-dev libssl-dev zlib1g-dev libcpp-httplib-dev libxlsxwriter-dev
  clang-14 libclang-rt-14-dev
  qt6-base-dev qt6-charts-dev qt6-translations-l10n libqt6svg6 fonts-dejavu-core
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
