#!/usr/bin/env bash
# Installs every Debian package Tumble needs to build, test and run. Idempotent: when all
# packages are present it prints nothing and changes nothing.
set -euo pipefail

packages=(
    # toolchain and tests
    build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
    # runtime core, streams, archives, cipher
    zlib1g-dev libminizip-dev libarchive-dev libssl-dev
    # scripts and JSON
    liblua5.1-0-dev libcjson-dev
    # window, images, text, OpenGL
    libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libgl-dev
    # drawing under a virtual display with Mesa's software OpenGL
    xvfb xauth libgl1-mesa-dri libegl1 libegl-mesa0 fonts-dejavu-core
    # making test files
    zip 7zip
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
