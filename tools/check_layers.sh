#!/bin/sh
# Fails when an include crosses the layers downward-only rule:
#   core (data io stats optics generator relativity state tables runs) <- widgets <- <subsystem>/ui <- app
# data/ is a leaf of the core; only app/compose.cpp includes the ui libraries' install headers.
set -u
src="${1:-$(dirname "$0")/../src}"
breach() { echo "layer breach: $*"; }

check() {
for core in data io stats optics generator relativity state tables runs; do
    [ -d "$src/$core" ] || continue
    grep -rnE '#include *[<"](Q[A-Za-z]+|qcustomplot)|#include *"(app|widgets|[a-z]+/ui)/' "$src/$core" \
        --include='*.cpp' --include='*.hpp' | grep -v "^$src/$core/ui/" | while read -r line; do breach "$line"; done
done
grep -rnE '#include *"[a-z]+/' "$src/data" --include='*.cpp' --include='*.hpp' | grep -v '"data/' |
    while read -r line; do breach "data/ is a leaf: $line"; done
grep -rnE '#include *"(app|[a-z]+/ui)/' "$src/widgets" | while read -r line; do breach "widgets: $line"; done
grep -rnE '#include *"app/' "$src" --include='*.cpp' --include='*.hpp' | grep -v "^$src/app/" |
    while read -r line; do breach "$line"; done
grep -rnE '#include *"[a-z]+/ui/' "$src/app" | grep -v "^$src/app/compose.cpp:" | grep -v "^$src/app/screenshot_main.cpp:" |
    while read -r line; do breach "only compose.cpp knows the windows: $line"; done
# Each ui library includes no other subsystem's ui folder.
for ui in "$src"/*/ui; do
    own=$(basename "$(dirname "$ui")")
    grep -rnE '#include *"[a-z]+/ui/' "$ui" | grep -v "\"$own/ui/" | while read -r line; do breach "$line"; done
done
}

found=$(check)
[ -z "$found" ] && exit 0
echo "$found"
exit 1
