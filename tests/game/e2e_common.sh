# Shared by the end-to-end scripts, sourced after they set $bin: a fresh program folder holding
# the default files, and cleanup of it, the game and the window manager when the script ends.
folder=$(mktemp -d)
game=
wm=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$folder"
}
trap cleanup EXIT
for f in zk3 blue.zki green.zki sound.zks zem.env zem.zki zem.zks; do
  [ -f "$bin/$f" ] || { echo "missing $bin/$f" >&2; exit 1; }
  cp "$bin/$f" "$folder/"
done

# Starts zk3 from the working folder and sets $id to its settings window once that shows.
start_game() {
  QT_QPA_PLATFORM=xcb ALSOFT_DRIVERS=null "$folder/zk3" &
  game=$!
  id=
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name '^Zarkul 3.7.4.be$' 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "the settings window did not open" >&2; exit 1; }
}

# Gives zk3 ten seconds to end, then fails unless it ended without an error.
# $1 says what should have ended it.
wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game" 2>/dev/null; then
    echo "zk3 did not end $1" >&2
    exit 1
  fi
  wait "$game" || { echo "zk3 ended with an error" >&2; exit 1; }
  game=
}
