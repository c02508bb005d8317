#!/usr/bin/env bash
# Writes the Debian package orbel_<version>_amd64.deb into a build folder.
# Without BUILD_DIR it installs what is missing and builds what the package
# holds, in Release, into build/ (or $ORBEL_BUILD_DIR) first; with BUILD_DIR it packages that build folder as
# it stands, so that a tree already built for the tests is not built again.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ge 1 ]; then
  build=$(cd "$1" && pwd)
else
  "$root/scripts/deps.sh"
  build=${ORBEL_BUILD_DIR:-$root/build}
  ORBEL_BUILD_DIR=$build ORBEL_BUILD_TYPE=Release "$root/scripts/build.sh" --target orbel_package_contents
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
# The package's changelog must end at the version it carries.
newest=$(dpkg-parsechangelog -l "$root/packaging/changelog" -S Version)
if [ "$newest" != "$version" ]; then
  echo "package.sh: the newest entry of packaging/changelog is $newest, the program is $version;" \
       "add an entry for $version first" >&2
  exit 1
fi
deb="$build/orbel_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
log="$build/package.log"
if ! (cd "$build" && cpack -G DEB --config CPackConfig.cmake) >"$log" 2>&1; then
  cat "$log" >&2
  echo "package.sh: cpack failed (log above, also in $log)" >&2
  exit 1
fi
rm -rf "$build/_CPack_Packages"
[ -f "$deb" ] || { echo "package.sh: cpack wrote no $deb" >&2; exit 1; }
echo "$deb"
