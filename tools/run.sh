#!/bin/sh
# Sets up, builds and starts ZELKOR.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --target zelkor
exec "$root/build/src/app/zelkor"
