#!/usr/bin/env bash
# Renders the icon data/icons/scalable/vorns.svg into the 48 and 256 pixel PNG
# files beside it (the window icon and the desktop's menu use them). Run it
# after changing the drawing, and commit the three files together.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || bash scripts/setup.sh librsvg2-bin
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" data/icons/scalable/vorns.svg -o "data/icons/${size}x${size}/vorns.png"
done
