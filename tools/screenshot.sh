#!/bin/sh
# Runs the real windows under a virtual X display, opens an example file,
# previews it and saves pictures of the main window, the header, the
# co-ordinate system, the Position, Angles and Relativistic Parameters windows
# with their tables, the element table, the statistics pages, the splash, the
# about box and the X co-ordinate window:
#   tools/screenshot.sh [BUILD_DIR] [OUTPUT_DIR]
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
output="${2:-$build/screenshots}"
cmake --build "$build" --target zelkor-screenshot >/dev/null
mkdir -p "$output"
exec xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/src/app/zelkor-screenshot" "$root/examples/transmit-sample.txt" "$output"
