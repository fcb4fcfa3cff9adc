#!/usr/bin/env bash
# Installs what the game and its tests need on Debian 12 (as root).  Idempotent: when every
# package is there it asks apt nothing and prints nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev libsdl2-dev libfluidsynth-dev timgm6mb-soundfont
  libfreetype-dev libfontconfig-dev fonts-arphic-uming fonts-wqy-zenhei
  libgd-dev libmd-dev libcurl4-openssl-dev libespeak-ng-dev espeak-ng-data
  libgtest-dev libgmock-dev libbenchmark-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
