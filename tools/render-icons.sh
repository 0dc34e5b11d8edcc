#!/usr/bin/env bash
# Derives the committed icon files from packaging/icons/velmora.svg: the 32×32
# PNG in 24-bit colour (no alpha), and the XPM the window compiles in. The
# Windows .ico is made at build time. Needs
# librsvg2-bin and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
background='#e6eef7'
rsvg-convert -w 32 -h 32 velmora.svg -o /tmp/velmora-rgba.png
convert /tmp/velmora-rgba.png -background "$background" -alpha remove -alpha off \
  -strip -define png:color-type=2 velmora.png
# The window loads its icon from this array: reading a PNG would make Qt load
# every image-format plugin first, a sixth of the start-up time.
convert velmora.png xpm:- |
  sed -E 's/^static (const )?char \*.*\[\] = \{/static const char* const velmora_xpm[] = {/' > velmora.xpm
