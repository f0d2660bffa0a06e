#!/bin/sh
# Remakes the user guide's pictures in docs/images from the real windows
# (tools/screenshot.sh over examples/transmit-sample.txt, at 1x scale),
# reduced to a 256-colour palette and optimised so that each stays small:
#   tools/guide-pictures.sh [BUILD_DIR]
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
QT_SCALE_FACTOR=1 "$root/tools/screenshot.sh" "$build" "$shots" 2>/dev/null

images="$root/docs/images"
mkdir -p "$images"
# The browser page's pictures (web-*.png) come from tools/web-pictures.sh.
find "$images" -name '*.png' ! -name 'web-*' -delete
# screenshot name -> guide name
while read -r shot name; do
    if [ ! -f "$shots/$shot.png" ]; then
        echo "the screenshot tool made no $shot.png" >&2
        exit 1
    fi
    pngquant --force --quality 70-95 --speed 1 --output "$images/$name.png" "$shots/$shot.png"
    optipng -quiet -o5 "$images/$name.png"
done <<'LIST'
preview main-window
header header
statE-analysis energy-analysis
statE-table energy-table
statE-graph-linear energy-graph
statE-fit energy-fit
statP-graph-linear position-graph
grown-energy grown-window
emitt-rbtnHoriz emittance
emitt-sigma sigma-matrix
trans-grid transform
generator-filled generator
x-coordinate x-coordinate
compare-runs compare-runs
LIST
ls -l "$images"
