#!/usr/bin/env bash
# Sets up the machine when needed, builds everything and runs every test with ctest.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen TZ=Europe/Warsaw LC_ALL=C.UTF-8 \
  ctest --output-on-failure --timeout 600 -j"$(nproc)" "$@"
