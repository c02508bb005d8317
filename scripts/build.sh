#!/usr/bin/env bash
# Configures and builds into build/ (or $ORBEL_BUILD_DIR); arguments go to
# cmake --build (scripts/build.sh --target orbel).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORBEL_BUILD_DIR:-$root/build}
launcher=()
# A compiler cache, where the machine has one, makes rebuilds of other trees cheap.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=${ORBEL_BUILD_TYPE:-RelWithDebInfo} "${launcher[@]}" >/dev/null
cmake --build "$build" -j2 "$@"
