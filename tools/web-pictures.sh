#!/bin/sh
# Remakes the user guide's pictures of the browser page (docs/images/web-*.png)
# in headless chromium, reduced to a 256-colour palette and optimised:
#   tools/web-pictures.sh    (after tools/web.sh has built build-web/zelkor.html)
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
node "$root/web/tools/pictures.mjs" "$root/build-web/zelkor.html" "$shots"
for shot in "$shots"/*.png; do
    name="$(basename "$shot")"
    pngquant --force --quality 70-95 --speed 1 --output "$root/docs/images/$name" "$shot"
    optipng -quiet -o5 "$root/docs/images/$name"
done
ls -l "$root"/docs/images/web-*.png
