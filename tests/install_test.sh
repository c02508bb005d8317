#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout: the
# program folder with the programs, liborbel2.so, orbel.dat and the pictures;
# the links in bin/; the desktop entry, the icon and the AppStream metainfo. The installed orbel-cli
# must run from there, found through its link.
# Usage: install_test.sh BUILD_DIR PROGRAM_DIR_RELATIVE_TO_PREFIX
set -u
build=$1
programDir=$2
source=$(cd "$(dirname "$0")/.." && pwd)
# A prefix with a blank in it, as users' home folders may have.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/orbel prefix"
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }

if ! cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
  cat "$tmp/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi
folder="$prefix/$programDir"

check "orbel-cli in the program folder" '[ -x "$folder/orbel-cli" ]'
check "liborbel2.so beside the programs exports the two parsers" 'nm -D --defined-only "$folder/liborbel2.so" | grep -q " chl_datestr_to_chldate$"'
if [ -f "$source/data/orbel.dat" ]; then
  check "orbel.dat in the program folder" 'cmp -s "$source/data/orbel.dat" "$folder/orbel.dat"'
fi
for picture in {darkmoon,1stquarter,fullmoon,lastquarter}{,_vn,_jp,_kr}.bmp day{0..31}.gif stem{1..10}.png branch{1..12}.png; do
  check "$picture" '[ -s "$folder/pictures/$picture" ]'
done
check "the icon in the hicolor theme" 'cmp -s "$folder/pictures/orbel.png" "$prefix/share/icons/hicolor/256x256/apps/orbel.png"'
check "no build tool in the program folder" '[ ! -e "$folder/make_pictures" ]'

# Every program is linked from bin/ under its own name, relatively, so that a
# moved prefix keeps working.
check "bin/orbel-cli is a relative link into the program folder" \
  '[ -L "$prefix/bin/orbel-cli" ] && [ "${programDir#/}" = "$programDir" ] && [ "$(readlink -f "$prefix/bin/orbel-cli")" = "$(readlink -f "$folder/orbel-cli")" ] && [ "$(readlink "$prefix/bin/orbel-cli" | cut -c1)" != / ]'

entry="$prefix/share/applications/orbel.desktop"
check "desktop entry is an application" 'grep -qx "Type=Application" "$entry" && grep -qx "Name=Orbel" "$entry" && grep -qx "Icon=orbel" "$entry"'
check "desktop entry starts the installed launcher" 'grep -qxF "Exec=\"$prefix/bin/orbel\"" "$entry" && grep -qxF "TryExec=$prefix/bin/orbel" "$entry"'
check "desktop entry has no unreplaced fields" '! grep -q "@" "$entry"'
# Both validators come with scripts/deps.sh (desktop-file-utils, appstream).
check "desktop-file-validate passes the desktop entry" 'desktop-file-validate "$entry"'
metainfo="$prefix/share/metainfo/com.corvanesystems.orbel.metainfo.xml"
check "appstreamcli validate passes the metainfo" 'appstreamcli validate --no-net "$metainfo"'
check "the metainfo launches the installed desktop entry" 'grep -qF "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo"'
check "the user manual and its picture beside the program" '[ -f "$folder/manual.html" ] && [ -f "$folder/main-window.png" ] && grep -qF "src=\"main-window.png\"" "$folder/manual.html"'

# The installed command-line program runs through its link, from a foreign
# working folder, with the build tree out of reach of its library search; a
# lunar date typed in is read by the installed liborbel2.so beside it.
out=$(cd "$tmp" && "$prefix/bin/orbel-cli" convert "79-29-1-1 CHL" 2>&1)
check "installed orbel-cli reads 79-29-1-1 CHL as the lunar new year of 2012 (got '$out')" \
  '[ $? -eq 0 ] && printf "%s\n" "$out" | grep -q "2012-01-23 CE"'

# The installed desktop program starts from its own folder: it finds its
# texts and library there and is still running after two seconds. Its home is
# a temporary folder, so no real settings or state are read or written.
if [ -x "$folder/orbel" ]; then
  check "bin/orbel links to the program folder" '[ "$(readlink -f "$prefix/bin/orbel")" = "$(readlink -f "$folder/orbel")" ]'
  run_program() {  # folder of the program; prints its stderr
    (cd "$tmp" && HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share" \
       QT_QPA_PLATFORM=offscreen timeout 2 "$1/orbel" 2>&1 >/dev/null)
  }
  err=$(run_program "$folder")
  status=$?
  check "installed orbel keeps running (timeout's status 124, got $status)" '[ $status -eq 124 ]'
  check "installed orbel finds its texts" '! printf "%s" "$err" | grep -q "Cannot open file containing program text"'
  # Without orbel.dat beside it the program says so (and waits on its message box).
  mkdir -p "$tmp/notexts" && cp -a "$folder/." "$tmp/notexts/" && rm "$tmp/notexts/orbel.dat"
  err=$(run_program "$tmp/notexts")
  check "without orbel.dat the program names the missing file" 'printf "%s" "$err" | grep -q "Cannot open file containing program text"'
fi

# The manifest lists what was installed, links and desktop entry included,
# so that the files can be removed again.
manifest="$build/install_manifest.txt"
check "manifest names the desktop entry and the links" 'grep -qxF "$entry" "$manifest" && grep -qxF "$prefix/bin/orbel-cli" "$manifest"'

[ $fail -eq 0 ] && echo "install layout OK: $folder"
exit $fail
