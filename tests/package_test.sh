#!/usr/bin/env bash
# Builds the Debian package of a build tree with scripts/package.sh, checks it
# with lintian (an error or a warning fails; the overrides the package carries
# apply), unpacks it into a temporary folder and runs the orbel-cli found there.
# Usage: package_test.sh BUILD_DIR VERSION
set -u
build=$1
version=$2
source=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }

deb=$(bash "$source/scripts/package.sh" "$build") || { echo "FAIL: scripts/package.sh"; exit 1; }
check "the package is named after the program's version" '[ "$(basename "$deb")" = "orbel_${version}_amd64.deb" ]'
lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$tmp/lintian" 2>&1
check "lintian passes the package" '[ $? -eq 0 ] || { cat "$tmp/lintian"; false; }'
depends=$(dpkg-deb -f "$deb" Depends)
check "its dependencies come from the binaries and name the fonts (got '$depends')" \
  'grep -q "libqt6widgets6" <<<"$depends" && grep -q "libc6" <<<"$depends" && grep -q "fonts-wqy-microhei" <<<"$depends"'

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
entry="$root/usr/share/applications/orbel.desktop"
check "the desktop entry starts /usr/bin/orbel, a link into the program folder" \
  'grep -qxF "Exec=\"/usr/bin/orbel\"" "$entry" && [ "$(readlink "$root/usr/bin/orbel")" = ../lib/orbel/orbel ]'
check "the scalable icon is an SVG document" \
  'python3 -c "import sys, xml.etree.ElementTree as t; sys.exit(t.parse(sys.argv[1]).getroot().tag != \"{http://www.w3.org/2000/svg}svg\")" "$root/usr/share/icons/hicolor/scalable/apps/orbel.svg"'
check "man reads the manual page of orbel-cli" \
  'man -l "$root/usr/share/man/man1/orbel-cli.1.gz" 2>/dev/null | grep -q "orbel-cli --version"'

# The unpacked programs run from their folder, with the build tree out of
# reach: the library that reads lunar dates is the one beside them.
cli="$root/usr/bin/orbel-cli"
check "orbel-cli --version" '[ "$(cd "$tmp" && "$cli" --version)" = "orbel-cli $version" ]'
check "orbel-cli convert now" '(cd "$tmp" && "$cli" convert now) | grep -qP "^lblCommonEraDate\t.* CE "'
check "orbel-cli reads 79-29-1-1 CHL as 2012-01-23 CE" \
  '(cd "$tmp" && "$cli" convert "79-29-1-1 CHL") | grep -qP "^lblCommonEraDate\t2012-01-23 CE"'
[ $fail -eq 0 ] && echo "package OK: $deb"
exit $fail
