#!/usr/bin/env bash
# End to end: the real zk3 in a fresh program folder with the default files, on a real X display.
# "Zavrieť" closes it, and zarkul.ini then holds the first-run values in Windows-1250.
# Usage (under xvfb-run): e2e_settings.sh <program folder of the build>
set -euo pipefail
bin=$1
. "$(dirname "$0")/e2e_common.sh"

# Started from another working folder: the program folder is where the program lies.
cd /
start_game
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "$WIDTH" = 529 ] && [ "$HEIGHT" = 232 ] || { echo "window is ${WIDTH}x$HEIGHT" >&2; exit 1; }
sleep 0.5
[ ! -e "$folder/zarkul.ini" ] || { echo "settings written before closing" >&2; exit 1; }

# "Zavrieť" lies at 304, 196 (73 x 20).
xdotool mousemove --window "$id" 340 206 click 1
wait_for_exit "after Zavrieť"

p=$folder/
expected="[Hrac1]
meno=Hráč 1
zbran1=Gulomet
zbran2=Pulz
zbran3=Štít
image=${p}blue.zki
sound=${p}sound.zks
slive=75
sspeed=25
sspell=100
sres=50
[Hrac2]
meno=Hráč 2
zbran1=Pulz
zbran2=Strela
zbran3=Štít
image=${p}green.zki
sound=${p}sound.zks
slive=75
sspeed=25
sspell=100
sres=50
[Settings]
killers=0
name=0
cursors=1
fps=0
status=1
blood=1
explosion=1
flyeffect=1
sound=1
collision=1
Skills=0
Dynamic=1
Bullet=0
env=${p}zem.env"
actual=$(iconv -f WINDOWS-1250 -t UTF-8 "$folder/zarkul.ini" | tr -d '\r' | sed -e '/^[[:space:]]*$/d' -e 's/[[:space:]]*=[[:space:]]*/=/')
if [ "$actual" != "$expected" ]; then
  echo "zarkul.ini differs from the first-run values:" >&2
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  exit 1
fi
echo "zarkul.ini holds the first-run values"
