#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need.
# Idempotent: quiet and quick when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libgl-dev libgl1-mesa-dri
  liblua5.1-0-dev zlib1g-dev libminizip-dev libpng-dev libjpeg-dev libutfcpp-dev
  libsndfile1-dev libopenmpt-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev fonts-dejavu-core
  clang libclang-rt-dev  # the libFuzzer build of the fuzz targets (KELVARA_FUZZ) only
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
