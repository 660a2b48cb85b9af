#!/usr/bin/env bash
# Installs the Debian packages the editor and its tests need; quick when they are all there.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqscintilla2-qt6-dev libgl1-mesa-dev
  libicu-dev libsdl2-mixer-dev libssl-dev liberfa-dev fonts-wqy-microhei
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool libx11-dev poppler-utils sox lame
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
