#!/bin/sh
# Sets up, builds and runs every test: first under AddressSanitizer and
# UndefinedBehaviorSanitizer (formatting numbers without std::to_chars, the
# branch of libraries that lack it), then each fuzz target for a bounded time
# (ZELKOR_FUZZ_SECONDS, 30 by default; 0 skips fuzzing), then the Windows
# build under Wine and the WebAssembly build under node, each compared with
# the Linux bytes, then the browser page (under node and in headless
# chromium), then the normal build, whose test summary ends the output.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/setup.sh"
"$root/tools/check_format.sh"
jobs="$(nproc 2>/dev/null || echo 2)"

cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELKOR_SANITIZE=ON -DZELKOR_WERROR=ON \
      -DZELKOR_BUILD_BENCHMARKS=OFF -DZELKOR_PORTABLE_FORMAT=ON
cmake --build "$root/build-sanitize" -j "$jobs"
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"

if [ "${ZELKOR_FUZZ_SECONDS:-30}" != 0 ]; then
    "$root/tools/fuzz.sh" "$root/build-fuzz" "${ZELKOR_FUZZ_SECONDS:-30}"
fi

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELKOR_WERROR=ON
cmake --build "$root/build" -j "$jobs"
"$root/tools/windows.sh" "$root/build"
"$root/tools/wasm.sh" "$root/build"
"$root/tools/web.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
