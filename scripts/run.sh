#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
# The desktop window is not built yet: this starts orbel-cli instead, by default
# listing the phases of the Moon and the solar terms of the coming month.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
cli="${ORBEL_BUILD_DIR:-$root/build}/bin/orbel-cli"
echo "(the desktop window is not built yet; starting orbel-cli)" >&2
if [ $# -eq 0 ]; then
  set -- events "$(date -u +%Y-%m-%d)" "$(date -u -d '+30 days' +%Y-%m-%d)"
fi
exec "$cli" "$@"
