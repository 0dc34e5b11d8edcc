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
  # shellcheck source=tools/private_display.sh
  . "$here/../../tools/private_display.sh"
  start_private_display 640x300 "$scratch"
  trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
  XDG_RUNTIME_DIR=$scratch VELMORA_IN_BUS=1 dbus-run-session -- "$0" "$program"
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
