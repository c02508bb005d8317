#!/usr/bin/env bash
# orbel --tray in a real panel: a virtual screen (Xvfb), the XEmbed tray host
# trayer, and the program started as the autostart entry starts it. The icon
# must be embedded in the tray, named by its tool tip (today's date, as
# orbel-cli tells it), and show that tool tip under the mouse. With a second
# third argument, a screenshot of the icon and its tool tip, panel.png, goes
# into that folder.
set -u
orbel=$1
cli=$2
shots=${3:-}
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to 10 s for a command to succeed.
await() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }

export LC_ALL=C.UTF-8 HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset DBUS_SESSION_BUS_ADDRESS  # no StatusNotifierItem host: Qt takes the XEmbed tray
for n in $(seq 50 99); do [ -e /tmp/.X$n-lock ] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
await 'xwininfo -root >/dev/null 2>&1' || fail "no virtual screen"
trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
  --transparent false --tint 0x303030 >/dev/null 2>&1 & pids+=($!)
panel() { xwininfo -root -tree | grep -m1 '"panel"' | awk '{print $1}'; }
await '[ -n "$(panel)" ]' || fail "trayer did not start"

QT_QPA_PLATFORM=xcb "$orbel" --tray >"$work/out.txt" 2>&1 & pids+=($!)
icon() { xwininfo -tree -id "$(panel)" | grep -m1 '("orbel" ' | awk '{print $1}'; }
await '[ -n "$(icon)" ]' || fail "the icon is not embedded in the tray: $(cat "$work/out.txt")"

# The icon's window is named by its tool tip, whose first line is today.
expected="$(date +%A) $(date +%Y-%m-%d) CE, $("$cli" today --format '{lunar}') — "
name=$(xprop -id "$(icon)" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
case "$name" in "$expected"*) ;; *) fail "the icon's tool tip is \"$name\", not today, \"$expected...\"" ;; esac

# Under the mouse the tool tip shows: a viewable window of the program other
# than the icon (the main window stays hidden).
tips() {
  for w in $(xdotool search --onlyvisible --classname '^orbel$'); do
    [ "$(printf '0x%x' "$w")" = "$(icon)" ] || echo "$w"
  done
}
[ -z "$(tips)" ] || fail "a window of the program shows before the mouse comes"
read -r x y < <(xwininfo -id "$(icon)" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x+8, y+8}')
xdotool mousemove "$x" "$y"; sleep 0.2; xdotool mousemove $((x + 2)) $((y + 2))
await '[ -n "$(tips)" ]' || fail "no tool tip under the mouse"
if [ -n "$shots" ]; then
  sleep 0.5
  import -window root -crop 480x140+320+0 +repage "$shots/panel.png"
fi
echo "the icon is embedded and its tool tip reads: $name"
