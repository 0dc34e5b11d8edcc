#!/usr/bin/env bash
# Renders the user's guide's pictures of the window, offscreen, under
# Turkish settings: the same commands for docs/guide/ and for the test that
# checks those are current.
#   guide-pictures.sh WINDOW_SCREENSHOT OUT_DIR
set -euo pipefail
shot=$1
out=$2
export QT_QPA_PLATFORM=offscreen LANG=tr_TR.UTF-8
example=(--locale tr_TR --flow 10 --pressure 0,76 --option Option3 --press Command1)
"$shot" "$out/guide-result-tr.png" "${example[@]}"
"$shot" "$out/guide-empty-tr.png" --locale tr_TR
"$shot" "$out/guide-zero-tr.png" --locale tr_TR --flow "" --pressure 1 --option Option1 \
  --press Command2
"$shot" "$out/guide-explained-tr.png" "${example[@]}" --tooltip Label8
"$shot" "$out/guide-menu-tr.png" "${example[@]}" --menu Label8
"$shot" "$out/guide-stale-tr.png" "${example[@]}" --then-flow 12
"$shot" "$out/guide-notes-tr.png" --locale tr_TR --flow 100 --pressure 1 --option Option3 \
  --press Command1 --tooltip Label8
