#!/usr/bin/env bash
# Renders the user's guide's pictures of the window, offscreen, under
# Turkish settings, and of a calculation sheet under Turkish and English
# ones: the same commands for docs/guide/ and for the test that checks those
# are current.
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
# The calculation sheet's page, as saved on 9 December 2026 at 14.30, at 72
# dots per inch: an A4 or Letter page is then narrower than the guide.
for settings in tr_TR:0,76 en_US:0.76; do
  "$shot" --sheet "$out/sheet.pdf" --made-at 2026-12-09T14:30 --locale "${settings%:*}" \
    --flow 10 --pressure "${settings#*:}" --option Option3 --press Command1
  pdftoppm -png -r 72 -singlefile "$out/sheet.pdf" "$out/guide-sheet-${settings%_*}"
  rm "$out/sheet.pdf"
done
