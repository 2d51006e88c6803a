#!/usr/bin/env bash
# Sets up the machine when needed, builds, creates a demo installation under demo/
# (embedded SQLite, its own registry folder) and starts the desktop program on it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$here/build}
demo_dir=${DEMO_DIR:-$here/demo}
"$here/scripts/setup.sh"
export VORN_REGISTRY_DIR="$demo_dir/registry"
if [ ! -d "$demo_dir/root" ]; then
  "$build_dir/src/app/admin/vornst-admin" init "$demo_dir/root" --demo
fi
exec "$build_dir/src/app/vornst/vornst" "$@"
