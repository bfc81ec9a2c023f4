#!/usr/bin/env bash
# Remakes the pictures of the user guide (docs/bilder/) from the real program: the windows
# under a virtual X server, and the exported file as a spreadsheet program shows it.
# Installs what is missing (through sudo when not run as root), builds the screenshot driver
# in build-screenshots/ and replaces the pictures. Safe to repeat.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

say() { printf '\n== %s\n' "$*"; }

packages=(
    g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev zlib1g-dev fonts-liberation python3-markdown
    xvfb xauth imagemagick libreoffice-calc ghostscript
)
"$top/scripts/install-packages.sh" "${packages[@]}"

say "Building the screenshot driver in build-screenshots/"
cmake -S . -B build-screenshots -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOLVENAR_BUILD_SCREENSHOTS=ON -DBUILD_TESTING=OFF -DKOLVENAR_BUILD_BENCH=OFF
cmake --build build-screenshots --target kolvenar_screenshots

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/runtime" "$work/out"
chmod 700 "$work/runtime"

# A first start: an empty settings folder of its own, never the user's.
say "Taking the window pictures under Xvfb"
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    ./build-screenshots/tools/screenshots/kolvenar_screenshots "$work/out"

# The spreadsheet reads the export as a German user's would: TAB-separated, Windows-1252
# (character set 1), from line 1, German numbers (language 1031). The whole sheet goes on one
# page, which Ghostscript turns into a picture.
say "Opening the export in LibreOffice Calc"
LC_ALL=de_DE.UTF-8 soffice --headless "-env:UserInstallation=file://$work/office" \
    --infilter="Text - txt - csv (StarCalc):9,34,1,1,,1031" \
    --convert-to 'pdf:calc_pdf_Export:{"SinglePageSheets":{"type":"boolean","value":"true"}}' \
    --outdir "$work" "$work/out/KolvenarAusgabe.XLS"
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=png16m -r110 -dTextAlphaBits=4 -dGraphicsAlphaBits=4 \
    -sOutputFile="$work/out/tabelle.png" "$work/KolvenarAusgabe.pdf"

say "Writing docs/bilder/"
mkdir -p docs/bilder
convert "$work/out/tabelle.png" -strip -trim +repage -bordercolor white -border 10 \
    -bordercolor '#a0a0a0' -border 1 "$work/out/tabelle.png"
for picture in hauptfenster suche umrechner mehrfachsuche tabelle; do
    convert "$work/out/$picture.png" -strip -colors 256 "PNG8:docs/bilder/$picture.png"
done
ls -l docs/bilder
