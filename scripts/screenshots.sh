#!/usr/bin/env bash
# Starts the real quillon under Xvfb, walks through its main states with xdotool and
# saves a picture of each into the given folder (default build/screenshots). The clicks
# are placed for the window's layout on a 1280x900 screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
mkdir -p "$out"

need=()
for tool in Xvfb xdotool import; do command -v "$tool" >/dev/null || need+=("$tool"); done
if [ ${#need[@]} -gt 0 ]; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get install -y -q xvfb xdotool imagemagick >/dev/null
fi
"$root/scripts/setup.sh"
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target quillon >/dev/null
quillon="$root/build/default/src/quillon"

work=""
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT

# A display of the given size, and quillon started in a fresh start folder on it.
start() {
  local size=$1 display=$2
  Xvfb "$display" -screen 0 "${size}x24" >/dev/null 2>&1 &
  xvfb_pid=$!
  sleep 1
  # A start folder right below /tmp keeps the folder list's rows where the clicks go.
  [ -n "$work" ] && rm -rf "$work"
  work=$(mktemp -d /tmp/qsXXXXXX)
  mkdir -p "$work/photos"
  for i in 1 2 3 4 5 6; do printf 'photo %s' "$i" >"$work/photos/IMG_000$i.jpg"; done
  (cd "$work" && DISPLAY=$display exec "$quillon") &
  app_pid=$!
  sleep 2
}
stop() {
  kill "$app_pid" "$xvfb_pid" 2>/dev/null || true
  wait "$app_pid" "$xvfb_pid" 2>/dev/null || true
  app_pid="" xvfb_pid=""
}
shot() { sleep 0.7; import -display "$DISPLAY" -window root "$out/$1.png"; echo "$out/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
key() { xdotool key "$@"; sleep 0.4; }

export DISPLAY=:97
start 1280x900 "$DISPLAY"
shot 01-first-start-message
key Return                      # the first-use message
shot 02-first-start-little-help
click 52 83                     # Dir1: photos
click 60 352; click 60 366; click 60 380
shot 03-selection-made
key alt+s
shot 04-selection-panel
key Escape
key alt+a
shot 05-action-panel
click 731 96                    # Delete
shot 06-action-delete-chosen
key Return
shot 07-delete-prepared
click 663 399                   # Cancel the prepared deletion
click 60 352
key alt+o
shot 08-options-panel
key Escape
key alt+h
shot 09-help-panel
key Escape
key alt+a
click 345 148                   # Review Mode
click 731 96                    # Delete
key Return
shot 10-review-mode
stop

export DISPLAY=:98
start 767x567 "$DISPLAY"
key Return
click 600 180                   # the keyboard goes to the window
shot 11-smallest-size
key alt+o
shot 12-smallest-size-options
stop
