#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
build=${ORBEL_BUILD_DIR:-$root/build}
cd "$build"
ctest --output-on-failure -j2
