#!/usr/bin/env bash
# End to end: the real zk3 with the default files on a real X display with a window manager.
# "Štart" runs the countdown over the arena, the window covers the screen, player 1 flies
# right on the Up arrow (two screenshots differ where he was), and closing the window during the
# match ends the program and writes zarkul.ini.
# Usage (under xvfb-run): e2e_match.sh <program folder of the build> [folder for screenshots]
set -euo pipefail
bin=$1
shots=${2:-}
. "$(dirname "$0")/e2e_common.sh"

screen_size=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ {print $2}' || true)
[ -n "$screen_size" ] || screen_size=$(xwininfo -root | awk '/-geometry/ {print $2}' | cut -d+ -f1)

openbox >/dev/null 2>&1 &
wm=$!
sleep 1

cd "$folder"
start_game
sleep 0.5

# "Štart" lies at 224, 196 (73 x 20).
xdotool mousemove --window "$id" 260 206 click 1
sleep 1.5
import -window root "$folder/countdown.png"
sleep 3

# Match mode: the window covers the whole screen.
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "${WIDTH}x${HEIGHT}" = "$screen_size" ] ||
  { echo "match window is ${WIDTH}x$HEIGHT, screen $screen_size" >&2; exit 1; }
xdotool windowactivate --sync "$id" 2>/dev/null || true
sleep 0.3
import -window root "$folder/before.png"
xdotool keydown Up
sleep 0.4
xdotool keyup Up
sleep 0.2
import -window root "$folder/after.png"
if [ -n "$shots" ]; then
  mkdir -p "$shots"
  cp "$folder/countdown.png" "$folder/before.png" "$folder/after.png" "$shots/"
fi

# The progress window showed the countdown in the middle of the arena: its white face is gone
# once the match runs.
w=${screen_size%x*}
h=${screen_size#*x}
centre="+$((w / 2 - 100))+$((h / 2 + 20))"
white() { convert "$1" -crop "200x10$centre" -format '%[fx:mean]' info:; }
mostly_white() { awk -v v="$(white "$1")" 'BEGIN { exit !(v > 0.9) }'; }
mostly_white "$folder/countdown.png" || { echo "no countdown window over the arena" >&2; exit 1; }
! mostly_white "$folder/before.png" || { echo "the countdown window stayed" >&2; exit 1; }

# Player 1 starts at x 20, y = screen height div 2; after flying right that spot shows the arena.
spot="80x60+10+$((h / 2 - 5))"
convert "$folder/before.png" -crop "$spot" +repage "$folder/spot-before.png"
convert "$folder/after.png" -crop "$spot" +repage "$folder/spot-after.png"
changed=$(compare -metric AE -fuzz 10% "$folder/spot-before.png" "$folder/spot-after.png" null: 2>&1 ||
  true)
[ "${changed%% *}" -gt 500 ] 2>/dev/null ||
  { echo "player 1 did not move (changed pixels: $changed)" >&2; exit 1; }

# Closing the window during the match saves the settings and ends the program.
xdotool key --window "$id" alt+F4 || true
wait_for_exit "when its window was closed"
[ -s "$folder/zarkul.ini" ] || { echo "closing did not write zarkul.ini" >&2; exit 1; }
grep -q 'zem.env' "$folder/zarkul.ini" || { echo "zarkul.ini lacks the environment" >&2; exit 1; }
echo "match started, player 1 flew, closing saved the settings"
