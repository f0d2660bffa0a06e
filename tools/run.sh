#!/bin/sh
# Sets up, builds and starts ZELKOR on an example file.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --target zelkor-batch
exec "$root/build/src/batch/zelkor-batch" info "$root/examples/transmit-sample.txt"
