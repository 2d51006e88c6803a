#!/usr/bin/env bash
# Prepares a Debian 12 machine for building VORN ST and builds it.
# Idempotent and non-interactive; installs only what is missing.
#   scripts/setup.sh            install packages, configure, build (build/)
#   scripts/setup.sh --deps     install packages only
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$here/build}

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
  libgl-dev libxkbcommon-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n
  fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev
)
if [ "${WITH_SCREENSHOT_TOOLS:-0}" = 1 ]; then
  packages+=(xvfb xauth x11-utils imagemagick poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

[ "${1:-}" = "--deps" ] && exit 0

cmake -S "$here" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
cmake --build "$build_dir"
