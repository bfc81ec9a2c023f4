#!/usr/bin/env bash
# Renders the program's icon, data/org.kolvenar.Kolvenar.svg, into the PNG sizes that menus,
# task bars and window frames ask for. Run it after changing the SVG and commit the PNGs: the
# build and the program then need no SVG renderer. Installs librsvg2-bin when missing.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-packages.sh" librsvg2-bin

svg="$top/data/org.kolvenar.Kolvenar.svg"
for size in 16 24 32 48 64 128 256; do
    folder="$top/data/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    rsvg-convert --width "$size" --height "$size" --output "$folder/org.kolvenar.Kolvenar.png" "$svg"
    echo "$folder/org.kolvenar.Kolvenar.png"
done
