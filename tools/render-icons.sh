#!/usr/bin/env bash
# Derives the committed icon files from packaging/icons/velmora.svg: the 32×32
# PNG in 24-bit colour (no alpha), and the raw pixels the window compiles in. The
# Windows .ico is made at build time. Needs
# librsvg2-bin and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
background='#e6eef7'
rsvg-convert -w 32 -h 32 velmora.svg -o /tmp/velmora-rgba.png
convert /tmp/velmora-rgba.png -background "$background" -alpha remove -alpha off \
  -strip -define png:color-type=2 velmora.png
# The window loads its icon from these raw pixels: decoding any image format
# (a PNG would make Qt load every image-format plugin first; an XPM's colour
# table takes a million instructions) costs start-up time.
{
  echo '// The window icon, 32 x 32 pixels in 24-bit colour, row by row, made from'
  echo '// velmora.png by tools/render-icons.sh. Raw pixels: decoding any image'
  echo '// format at start-up costs more than showing the window itself.'
  echo '#pragma once'
  echo
  echo 'inline constexpr int kVelmoraIconSize = 32;'
  echo '// Sixteen bytes a line, as generated.'
  echo '// clang-format off'
  echo 'inline constexpr unsigned char kVelmoraIconRgb[] = {'
  convert velmora.png -depth 8 rgb:- | od -An -v -tx1 -w16 |
    sed -E 's/^ +//; s/ +$//; s/([0-9a-f]{2})/0x\1,/g; s/,$/,/; s/ 0x/ 0x/g; s/^/  /; s/, *$/,/' |
    sed -E 's/,0x/, 0x/g'
  echo '};'
  echo '// clang-format on'
} > velmora_icon_rgb.h
