#!/usr/bin/env bash
# Installs what is missing, builds and starts the program. Without a display
# (no DISPLAY or WAYLAND_DISPLAY) it starts the program under xvfb-run, on a
# virtual screen, and says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" xvfb xauth
"$root/scripts/build.sh"
program="${ORBEL_BUILD_DIR:-$root/build}/bin/orbel"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting orbel under xvfb-run on a virtual screen (stop it with Ctrl-C)." >&2
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$program" "$@"
fi
exec "$program" "$@"
