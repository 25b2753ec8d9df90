#!/usr/bin/env bash
# Installs, with apt, only the Debian packages this project needs that are missing; further package
# names may be given (the fuzz script's compiler).
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config git
  qt6-base-dev qt6-webengine-dev qt6-image-formats-plugins
  libcurl4-openssl-dev zlib1g-dev libgtest-dev libgmock-dev libicu-dev libcpp-httplib-dev libssl-dev
  aria2 fonts-noto-cjk xvfb xauth libgl1-mesa-dri libgbm1 openssl curl
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
