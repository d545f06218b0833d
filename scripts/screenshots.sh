#!/usr/bin/env bash
# Starts the real quillon under Xvfb with a window manager (openbox), walks through its
# main states by keyboard as a person would, and saves a picture of each into the given
# folder (default build/screenshots): on a 1366x768 and a 1024x768 laptop screen, and
# on 1366x768 with a dark Fusion palette (set through qt6ct, as desktops set it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
mkdir -p "$out"

need=()
for tool in Xvfb xdotool import openbox; do command -v "$tool" >/dev/null || need+=("$tool"); done
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqt6ct.so ] || need+=(qt6ct)
if [ ${#need[@]} -gt 0 ]; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get install -y -q xvfb xdotool imagemagick openbox qt6ct >/dev/null
fi
"$root/scripts/setup.sh"
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target quillon >/dev/null
quillon="$root/build/default/src/quillon"

work=""
pids=()
cleanup() {
  [ ${#pids[@]} -gt 0 ] && kill "${pids[@]}" 2>/dev/null || true
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT

# A display of the given size with openbox, and quillon started in a fresh start folder
# and home on it; with "dark", under a dark palette.
start() {
  local size=$1 palette=$2
  Xvfb "$DISPLAY" -screen 0 "${size}x24" >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  [ -n "$work" ] && rm -rf "$work"
  work=$(mktemp -d /tmp/qsXXXXXX)
  mkdir -p "$work/photos" "$work/home/.config/qt6ct"
  for name in IMG_0001.JPG IMG_0002.JPG IMG_0003.JPG Äpfel.jpg école.jpg Zebra.jpg apple.jpg; do
    printf 'photo' >"$work/photos/$name"
  done
  local theme=()
  if [ "$palette" = dark ]; then
    # The dark scheme qt6ct ships, with the 10-point font desktops use.
    printf '[Appearance]\nstyle=Fusion\ncustom_palette=true\ncolor_scheme_path=%s\n[Fonts]\ngeneral="%s"\nfixed="%s"\n' \
      /usr/share/qt6ct/colors/darker.conf "Sans Serif,10,-1,5,400,0,0,0,0,0,0,0,0,0,0,1" \
      "Monospace,10,-1,5,400,0,0,0,0,0,0,0,0,0,0,1" >"$work/home/.config/qt6ct/qt6ct.conf"
    theme=(QT_QPA_PLATFORMTHEME=qt6ct)
  fi
  (cd "$work" && env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" "${theme[@]}" \
    "$quillon" "$work/photos") &
  pids+=($!)
  sleep 3
}
stop() {
  kill "${pids[@]}" 2>/dev/null || true
  wait "${pids[@]}" 2>/dev/null || true
  pids=()
}
shot() { sleep 0.8; import -display "$DISPLAY" -window root "$out/$prefix-$1.png"; echo "$out/$prefix-$1.png"; }
key() { xdotool key "$@"; sleep 0.5; }

# The main window's place: x y width height.
window() {
  local id
  id=$(xdotool search --name '^Quillon' | tail -1)
  xdotool getwindowgeometry --shell "$id" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/ {printf "%s ", $2}'
}

walk() {
  shot 01-first-start-message
  key Return
  shot 02-fresh-window
  # Into the file list below its files (a click there selects nothing), then every file.
  read -r x y w h <<<"$(window)"
  xdotool mousemove $((x + 30)) $((y + h - 60)) click 1
  sleep 0.3
  key ctrl+a
  shot 03-every-file-selected
  key alt+s
  shot 04-selection-panel
  key Escape
  key alt+a
  shot 05-action-panel
  key Escape
  key alt+o
  shot 06-options-panel
  key Escape
  key alt+h
  shot 07-help-panel
  key Escape
  # The editor: a new extension, then OK.
  key alt+c
  shot 08-criteria-editor
  key Tab
  key space
  xdotool type --delay 80 jpeg
  shot 09-criteria-editor-extension
  key Return
  key alt+p
  shot 10-preview-old-and-new
  key alt+r
  shot 11-job-done
  key ctrl+z
  shot 12-undone
}

export DISPLAY=:97
prefix=1366x768 start 1366x768 light
prefix=1366x768 walk
stop

export DISPLAY=:98
prefix=1024x768 start 1024x768 light
prefix=1024x768 walk
stop

export DISPLAY=:96
prefix=1366x768-dark start 1366x768 dark
prefix=1366x768-dark walk
stop
