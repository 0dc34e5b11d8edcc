#!/usr/bin/env bash
# The program as a screen reader meets it: on a private X display with a
# window manager, inside its own D-Bus session with the accessibility bus
# started, Qt's AT-SPI bridge switched on; screen_reader.py listens.
#   screen_reader.sh PATH/TO/velmora
set -euo pipefail
program=$1
here=$(dirname "$0")
if [ -z "${VELMORA_IN_BUS:-}" ]; then
  scratch=$(mktemp -d)
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -screen 0 640x300x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
  for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  DISPLAY=":$(head -n1 "$scratch/display")" XDG_RUNTIME_DIR=$scratch VELMORA_IN_BUS=1 \
    dbus-run-session -- "$0" "$program"
  exit
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox >/dev/null 2>&1 &
sleep 1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
LANG=tr_TR.UTF-8 LC_ALL= LANGUAGE= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
velmora=$!
status=0
# Debian's own Python, which has the AT-SPI bindings.
timeout 60 /usr/bin/python3 "$here/screen_reader.py" || status=$?
kill "$velmora" $(jobs -p) 2>/dev/null || true
exit "$status"
