#!/usr/bin/env bash
# Runs the built program as a real window (Xvfb, openbox, Turkish settings)
# under qt6ct with its "darker" colour scheme, in a configuration folder of
# its own, shows a result, then changes the scheme while the window is open,
# to "simple" and back, as qt6ct's own dialog does (it replaces the file).
# Each time the window, the result, the tooltip, the result's menu and the
# pressure list are measured on screenshots: dark or light as the scheme,
# every caption 4.5:1, every edge and circle 3:1, unchecked circles hollow.
# The menu and the list are first built after a change.
#   follows_qt6ct.sh PATH/TO/velmora [SCREENSHOT.png]
# With SCREENSHOT.png, the dark window with its frame is saved there.
set -euo pipefail
program=$1
screenshot=${2:-}
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ -f /usr/share/qt6ct/colors/darker.conf ] || fail "qt6ct is not installed"

# shellcheck source=tools/private_display.sh
. "$tools/private_display.sh"
# shellcheck source=tools/shown_windows.sh
. "$tools/shown_windows.sh"
start_private_display 800x400 "$scratch"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_STYLE_OVERRIDE
openbox >/dev/null 2>&1 &
sleep 1

mkdir -p "$scratch/config/qt6ct"
use_scheme() {
  printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/%s.conf\ncustom_palette=true\nstyle=Fusion\n' \
    "$1" >"$scratch/new.conf"
  mv "$scratch/new.conf" "$scratch/config/qt6ct/qt6ct.conf"
}
use_scheme darker
LANG=tr_TR.UTF-8 LC_ALL= XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config \
  QT_QPA_PLATFORMTHEME=qt6ct "$program" >"$scratch/log" 2>&1 &
velmora=$!
window=$(window_titled '^Velmora$' 20) || fail "no window titled Velmora"
sleep 1

# measure NAME OPTIONS...: the window's client area
measure() {
  import -window "$window" "$scratch/$1.png"
  python3 "$tools/measure_window.py" "$scratch/$1.png" "${@:2}" >"$scratch/$1.txt"
}
# A change of scheme shows a few seconds later: qt6ct waits for the folder to
# settle. Waits up to 15 s for the window to pass, then reports it.
measure_until() {
  for _ in $(seq 30); do
    measure "$@" && break
    sleep 0.5
  done
  measure "$@" || {
    cat "$scratch/$1.txt" >&2
    fail "$1: a colour, caption, edge or circle is wrong"
  }
  echo "$1: $(head -n1 "$scratch/$1.txt"); $(tail -n +2 "$scratch/$1.txt" | wc -l) measurements pass"
}
# popup NAME SCHEME: the one top-level window of the program's besides the
# main one, shown just before.
popup() {
  local shown=""
  for _ in $(seq 20); do
    shown=$(xdotool search --onlyvisible --pid "$velmora" 2>/dev/null | grep -vx "$window" | tail -n1) &&
      [ -n "$shown" ] && break
    sleep 0.2
  done
  [ -n "$shown" ] || fail "$1: no popup opened"
  import -window "$shown" "$scratch/$1.png"
  python3 "$tools/measure_window.py" "$scratch/$1.png" --popup "--$2" >"$scratch/$1.txt" || {
    cat "$scratch/$1.txt" >&2
    fail "$1 is not drawn in the $2 scheme"
  }
  echo "$1: $(head -n1 "$scratch/$1.txt"); $(tail -n +1 "$scratch/$1.txt" | sed -n 2p)"
}
client() { # client X Y: the mouse to a point of the window's client area
  xdotool mousemove --window "$window" "$1" "$2"
}

# The focus starts on the chosen class: Tab to the flow, type it, Tab past
# the pressure to the screw button and press it.
xdotool key Tab
xdotool type 10
xdotool key Tab Tab space
measure_until "darker" --captions --result --dark
[ -z "$screenshot" ] || import -frame -window "$window" "$screenshot"
client 350 64
popup "darker, the result's tooltip" dark
client 200 130

use_scheme simple
measure_until "simple, changed while open" --captions --result --light
client 350 64
popup "simple, the result's tooltip" light
client 200 130
xdotool key shift+F10
popup "simple, the result's menu" light
xdotool key Escape

use_scheme darker
measure_until "darker, changed back while open" --captions --result --dark
xdotool key shift+Tab alt+Down
popup "darker, the pressure list" dark
xdotool key Escape
