#!/usr/bin/env bash
# Redraws the icon's PNG sizes (installed for desktops) and the raw BGRA sizes (compiled into the
# program as its window icon, so start-up decodes no picture) from data/icons/tessaly.svg.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
source ../../scripts/packages.sh
need_packages imagemagick

for size in 16 24 32 48 64 128 256; do
    convert -background none -density 384 tessaly.svg -resize "${size}x${size}" -depth 8 \
        -define png:exclude-chunks=date,time \
        "PNG32:tessaly-$size.png"
done
for size in 16 24 32 48 64; do
    convert "tessaly-$size.png" -depth 8 "BGRA:tessaly-$size.bgra"
done
