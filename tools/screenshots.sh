#!/usr/bin/env bash
# Renders what users see into docs/: the real window with its title bar
# under a small window manager (also under qt6ct's dark colour scheme), and offscreen renders of a result, the
# standard and the result's menus in Turkish, a result's explanation, a
# high-contrast and a contrast theme, and Arabic settings.
# Look at each after any change to the window. Needs Xvfb, openbox, xdotool
# and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target velmora window_screenshot

shot=build/default/tools/window_screenshot
QT_QPA_PLATFORM=offscreen "$shot" docs/window-result.png --locale tr_TR \
  --flow 10 --pressure 0,5 --option Option3 --press Command1
QT_QPA_PLATFORM=offscreen "$shot" docs/menu-field-tr.png --locale tr_TR \
  --flow 10 --pressure 0,5 --option Option3 --press Command1 --menu Text1
QT_QPA_PLATFORM=offscreen "$shot" docs/menu-result-tr.png --locale tr_TR \
  --flow 100000000 --pressure 1 --option Option5 --press Command2 --menu Label8
QT_QPA_PLATFORM=offscreen "$shot" docs/window-white-on-black.png --locale tr_TR \
  --palette white-on-black --flow 10 --pressure 0,5 --option Option3 --press Command1
QT_QPA_PLATFORM=offscreen "$shot" docs/window-aquatic.png --locale tr_TR \
  --palette aquatic --flow 10 --pressure 0,5 --option Option3 --press Command1
QT_QPA_PLATFORM=offscreen "$shot" docs/result-explained-tr.png --locale tr_TR \
  --flow 10 --pressure 0,76 --option Option3 --press Command1 --tooltip Label8
# A note (an operating pressure typed as the difference) on a result whose
# flow was changed after the click, with its explanation.
QT_QPA_PLATFORM=offscreen "$shot" docs/result-marked-tr.png --locale tr_TR \
  --flow 10 --pressure 8 --option Option3 --press Command1 --then-flow 12 --tooltip Label8
# Typed with an Arabic keyboard: Arabic-Indic digits and the Arabic separator.
QT_QPA_PLATFORM=offscreen "$shot" docs/window-ar-eg.png --locale ar_EG \
  --flow "١٠" --pressure "٠٫٥" --option Option3 --press Command1

# The user's guide's pictures; a test checks that they stay current.
tools/guide-pictures.sh "$shot" docs/guide

# The real window, decorated by openbox, on a private X display.
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
# shellcheck source=tools/private_display.sh
. tools/private_display.sh
# shellcheck source=tools/shown_windows.sh
. tools/shown_windows.sh
start_private_display 640x300 "$scratch"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
openbox >/dev/null 2>&1 &
sleep 1
LANG=tr_TR.UTF-8 XDG_RUNTIME_DIR=$scratch build/default/app/velmora &
window=$(window_titled '^Velmora$' 20) || { echo "no window titled Velmora" >&2; exit 1; }
sleep 1
import -frame -window "$window" docs/window.png
kill "$xvfb"
# Under qt6ct's dark colour scheme, with a result; the check that takes it
# also changes the scheme while the window is open.
tests/app/follows_qt6ct.sh build/default/app/velmora docs/window-qt6ct-dark.png >/dev/null
echo "Wrote docs/window.png, window-qt6ct-dark.png, window-result.png, menu-field-tr.png, menu-result-tr.png," \
  "window-white-on-black.png, window-aquatic.png, result-explained-tr.png, result-marked-tr.png" \
  "and window-ar-eg.png," \
  "and the guide's pictures in docs/guide/"
