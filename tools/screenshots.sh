#!/usr/bin/env bash
# Renders the window offscreen into docs/: as it opens, and with a result
# under Turkish settings. Look at both after any change to the window.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target window_screenshot
export QT_QPA_PLATFORM=offscreen
shot=build/default/tools/window_screenshot
"$shot" docs/window.png en_US
"$shot" docs/window-result.png tr_TR 10 0,5 Option3 Command1
echo "Wrote docs/window.png and docs/window-result.png"
