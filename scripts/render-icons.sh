#!/usr/bin/env bash
# Renders the PNG copies of the program icon from its SVG (needs rsvg-convert,
# Debian's librsvg2-bin). Run after changing the SVG and commit the results.
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"
for size in 16 32 48 256; do
  rsvg-convert -w "$size" -h "$size" jp.pelcor.Pelcor.svg -o "jp.pelcor.Pelcor-$size.png"
done
