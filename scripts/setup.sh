#!/usr/bin/env bash
# Installs the Debian packages the game needs (when missing) and builds the game, its content and tools.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libgl-dev libgl1-mesa-dri libopenal-dev libvorbis-dev
  libpng-dev libjpeg62-turbo-dev libfreetype-dev zlib1g-dev
  googletest libgtest-dev libbenchmark-dev clang-format clang
  xvfb xauth
  fonts-dejavu-core fonts-comfortaa fonts-crosextra-caladea fonts-cherrybomb
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The fuzz targets link clang's runtime libraries, which clang only recommends: install the ones that
# match the installed clang.
CLANG_RT="libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
if apt-cache show "$CLANG_RT" >/dev/null 2>&1 &&
  ! dpkg-query -W -f='${Status}' "$CLANG_RT" 2>/dev/null | grep -q "install ok installed"; then
  echo "Installing: $CLANG_RT"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$CLANG_RT"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
