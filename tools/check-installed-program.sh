#!/usr/bin/env bash
# Starts an installed velmora on the offscreen platform and passes when it is
# still running two seconds later, as a window waiting for its user is; then,
# on a private display, has it print: the module it loads for that must be
# found where it was installed with it.
#   check-installed-program.sh PATH/TO/velmora
set -u
program=$1
scratch=$(mktemp -d)
# Whatever it started goes with it, however it ends.
trap 'kill "${pid:-}" "${velmora:-}" "${xvfb:-}" 2>/dev/null; rm -rf "$scratch"' EXIT
QT_QPA_PLATFORM=offscreen "$program" >"$scratch/log" 2>&1 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  status=$?
  echo "$program ended by itself with status $status:" >&2
  cat "$scratch/log" >&2
  exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null
echo "$program started and kept running"

# A result, then Ctrl+P: the print dialog ("Yazdır"), not a message that
# printing could not be loaded.
# shellcheck source=private_display.sh
. "$(dirname "$0")/private_display.sh"
# shellcheck source=shown_windows.sh
. "$(dirname "$0")/shown_windows.sh"
start_private_display 800x600 "$scratch" || exit 1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
XDG_RUNTIME_DIR=$scratch "$program" >"$scratch/log" 2>&1 &
velmora=$!
if ! window=$(window_titled '^Velmora$' 30); then
  echo "$program showed no window on a display:" >&2
  cat "$scratch/log" >&2
  exit 1
fi
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 400 108 click 1 # Command1, screw
sleep 0.5
xdotool key ctrl+p
if ! window_titled '^Yazd' 30 >/dev/null; then
  echo "$program opened no print dialog; the windows it shows:" >&2
  for shown in $(shown_windows); do xdotool getwindowname "$shown"; done >&2
  cat "$scratch/log" >&2
  exit 1
fi
echo "$program printed: its print dialog opened"
