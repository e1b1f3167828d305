#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need, if any are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    libgtest-dev libbenchmark-dev
    fonts-open-sans
    xvfb xauth xdotool x11-utils imagemagick libx11-dev libxdamage-dev python3 openbox wmctrl
    desktop-file-utils appstream dpkg-dev file binutils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
