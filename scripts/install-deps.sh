#!/usr/bin/env bash
# Installs every Debian package Tumble needs to build, test and run. Idempotent: when all
# packages are present it prints nothing and changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    # toolchain and tests
    build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
    # runtime core, streams, archives, cipher
    zlib1g-dev libminizip-dev libarchive-dev libssl-dev
    # scripts and JSON
    liblua5.1-0-dev libcjson-dev
    # HTTP requests
    libcurl4-openssl-dev
    # sound: MP3 decoding; lame encodes the demo's music and the MP3 test files
    libmpg123-dev lame
    # window, images, text, OpenGL
    libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libfreetype-dev libgl-dev
    # drawing under a virtual display with Mesa's software OpenGL
    xvfb xauth libgl1-mesa-dri libegl1 libegl-mesa0 fonts-dejavu-core
    # making test files
    zip 7zip
    # unpacking Box2D's source package
    dpkg-dev
)

# Box2D is built from Debian's source package (the build patches it), fetched once into .cache/.
box2d_cache=.cache/box2d
box2d_missing=false
[ -f "$box2d_cache/box2d-2.4.1/include/box2d/b2_common.h" ] || box2d_missing=true

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && [ "$box2d_missing" = false ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
sources=/etc/apt/sources.list.d/tumble-deb-src.sources
needs_update=false
if [ "$box2d_missing" = true ] && [ ! -f "$sources" ]; then
    # Source packages need a deb-src entry; a fresh machine only lists binary packages.
    $sudo tee "$sources" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    needs_update=true
fi
if [ ${#missing[@]} -gt 0 ] || [ "$needs_update" = true ]; then
    $sudo apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ "$box2d_missing" = true ]; then
    echo "Fetching Box2D 2.4.1 from Debian's source package into $box2d_cache"
    rm -rf "$box2d_cache"
    mkdir -p "$box2d_cache"
    (cd "$box2d_cache" && apt-get source -qq box2d >/dev/null 2>&1) ||
        { echo "apt-get source box2d failed" >&2; exit 1; }
    [ -f "$box2d_cache/box2d-2.4.1/include/box2d/b2_common.h" ] ||
        { echo "Box2D's source package did not unpack to $box2d_cache/box2d-2.4.1" >&2; exit 1; }
fi
