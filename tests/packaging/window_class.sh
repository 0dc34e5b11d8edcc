#!/usr/bin/env bash
# Opens the installed program on a private Xvfb display and checks what a task
# bar sees: a window titled "Velmora", shown at its size, whose WM_CLASS class
# (the application name) is the desktop entry's StartupWMClass, so the running
# window is tied to its launcher.
#   window_class.sh PATH/TO/velmora PATH/TO/entry.desktop
set -euo pipefail
program=$1
entry=$2
# shellcheck source=tools/shown_windows.sh
. "$(dirname "$0")/../../tools/shown_windows.sh"
scratch=$(mktemp -d)
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "${velmora:-}" "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$scratch/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
XDG_RUNTIME_DIR=$scratch "$program" &
velmora=$!
window=$(window_titled '^Velmora$' 20) || { echo "no window titled Velmora" >&2; exit 1; }
class=$(xprop -id "$window" WM_CLASS | sed -E 's/.*= "([^"]*)", "([^"]*)"/\2/')
wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
state=$(xwininfo -id "$window" | sed -n 's/^ *Map State: //p')
size=$(xwininfo -id "$window" | sed -n 's/^ *Width: //p;s/^ *Height: //p' | paste -sd x)
echo "window $window: $state, $size, WM_CLASS class '$class';" \
  "the desktop entry's StartupWMClass '$wanted'"
[ "$state" = IsViewable ] && [ "$size" = 496x139 ] && [ -n "$wanted" ] && [ "$class" = "$wanted" ]
