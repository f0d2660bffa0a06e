#!/bin/sh
# Builds the browser page and runs its tests:
#   tools/web.sh [LINUX_BUILD_DIR]    (default: build; its zelkor-batch is the reference)
# Set-up: the page's build tools come from the npm registry through `npm ci`
# (web/package-lock.json pins them); nothing is fetched after that step.
# Build: the core as WebAssembly with Debian's emscripten (build-web), then
# one self-contained page, build-web/zelkor.html. Tests: the module under
# node against zelkor-batch, then the page in Debian's headless chromium.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
linux_build="$(cd "${1:-$root/build}" && pwd)"
build="$root/build-web"
jobs="$(nproc 2>/dev/null || echo 2)"
# emscripten's JavaScript steps find Debian's node-acorn here.
NODE_PATH=/usr/share/nodejs
export NODE_PATH

(cd "$root/web" && npm ci --prefer-offline --no-audit --no-fund --loglevel=error)

emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELKOR_WERROR=ON -DZELKOR_WEB=ON >/dev/null
cmake --build "$build" -j "$jobs" --target zelkor_web
(cd "$root/web" && ./node_modules/.bin/tsc -p . && node build.mjs "$build/src/web/zelkor-core.js" "$build/zelkor.html")

cmake --build "$linux_build" -j "$jobs" --target zelkor-batch
ZELKOR_BATCH="$linux_build/src/batch/zelkor-batch" ZELKOR_CORE_JS="$build/src/web/zelkor-core.js" \
ZELKOR_PAGE="$build/zelkor.html" ZELKOR_SCREENSHOTS="$build/screenshots" \
    node --test --test-concurrency=1 "$root/web/test/node/" "$root/web/test/e2e/"
