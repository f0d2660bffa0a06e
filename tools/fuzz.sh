#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a bounded time:
#   tools/fuzz.sh [BUILD_DIR] [SECONDS_PER_TARGET]
# The working corpus grows in BUILD_DIR/fuzz-corpus/<target> (the seeds in
# tests/fuzz/corpus are only read). A crash, a leak or a broken invariant
# fails the script and leaves the input in BUILD_DIR/fuzz-crashes/.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-fuzz}"
seconds="${2:-${ZELKOR_FUZZ_SECONDS:-30}}"
jobs="$(nproc 2>/dev/null || echo 2)"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELKOR_FUZZ=ON \
    -DZELKOR_BUILD_TESTS=OFF -DZELKOR_BUILD_BENCHMARKS=OFF -DZELKOR_BUILD_GUI=OFF >/dev/null
cmake --build "$build" --target fuzz_targets -j "$jobs"

# The reader targets save and reload each set: keep that scratch file off the disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then TMPDIR=/dev/shm; export TMPDIR; fi

mkdir -p "$build/fuzz-crashes"
failed=""
for name in transmit_reader trim_dat_reader winagile_reader number_parse; do
    corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    case "$name" in
        number_parse) max_len=400 ;;
        *) max_len=80000 ;;  # room for a line over the 64 KiB bound
    esac
    echo "== fuzz_$name for ${seconds}s"
    if ! "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" -timeout=20 \
            -print_final_stats=1 -artifact_prefix="$build/fuzz-crashes/$name-" \
            "$corpus" "$root/tests/fuzz/corpus/$name" 2>"$build/fuzz-$name.log"; then
        tail -n 40 "$build/fuzz-$name.log"
        failed="$failed $name"
    fi
    grep -E "^stat::number_of_executed_units|^#[0-9]+.*DONE" "$build/fuzz-$name.log" | tail -n 2 || true
done

if [ -n "$failed" ]; then
    echo "fuzzing found faults in:$failed; inputs in $build/fuzz-crashes" >&2
    exit 1
fi
echo "fuzzing found nothing"
