#!/bin/sh
# Builds the core with Debian's WebAssembly tool chain (emscripten: clang 14
# and its older libc++) and runs zelkor-batch under node on an example, which
# must give the Linux build's bytes:
#   tools/wasm.sh [LINUX_BUILD_DIR]    (default: build)
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
linux_build="$(cd "${1:-$root/build}" && pwd)"
build="$root/build-wasm"
jobs="$(nproc 2>/dev/null || echo 2)"
# emscripten's JavaScript steps find Debian's node-acorn here.
NODE_PATH=/usr/share/nodejs
export NODE_PATH

emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELKOR_WERROR=ON \
    -DZELKOR_BUILD_GUI=OFF -DZELKOR_BUILD_PYTHON=OFF -DZELKOR_BUILD_TESTS=OFF -DZELKOR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target zelkor-batch
cmake --build "$linux_build" -j "$jobs" --target zelkor-batch

failed=0
for words in "info examples/transmit-sample.txt" "stats examples/transmit-sample.txt --quantity KinEnerg --filter 2" \
             "sigma-matrix examples/winagile-sample.pnt --twiss" "relativistic examples/trim-sample.dat --A 1 --amu 1.00727646688"; do
    # shellcheck disable=SC2086
    expected="$(cd "$root" && "$linux_build/src/batch/zelkor-batch" $words)"
    # shellcheck disable=SC2086
    got="$(cd "$root" && node "$build/src/batch/zelkor-batch.js" $words)"
    if [ "$got" != "$expected" ]; then
        echo "differs under node: zelkor-batch $words"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "WebAssembly: the core builds and zelkor-batch gives the Linux bytes under node"
exit "$failed"
