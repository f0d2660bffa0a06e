#!/bin/sh
# Cross-builds the core, zelkor-batch.exe and core_tests.exe for Windows with
# MinGW-w64, makes the zip, runs core_tests.exe under Wine and checks that
# every batch command gives the Linux build's bytes (output, messages, exit
# status and files written):
#   tools/windows.sh [LINUX_BUILD_DIR]    (default: build)
# Wine runs headless in a throw-away prefix inside the build folder.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
linux_build="$(cd "${1:-$root/build}" && pwd)"
build="$root/build-windows"
jobs="$(nproc 2>/dev/null || echo 2)"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DZELKOR_WERROR=ON >/dev/null
cmake --build "$build" -j "$jobs" --target zelkor-batch core_tests
cmake --build "$linux_build" -j "$jobs" --target zelkor-batch
(cd "$build" && cpack -G ZIP >/dev/null)
ls "$build"/zelkor-batch-*-win64.zip

WINEPREFIX="$build/wine-prefix"
WINEDEBUG=-all
export WINEPREFIX WINEDEBUG
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# One wineserver for all the runs: a program started while the previous
# server shuts down can otherwise end at once with nothing done.
wineserver="$(dirname "$(command -v "$wine")")/wineserver"
[ -x "$wineserver" ] || wineserver=wineserver
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot --init >/dev/null 2>&1 || true

echo "== core_tests.exe under Wine"
"$wine" "$build/tests/core_tests.exe" --gtest_brief=1

echo "== zelkor-batch: Linux and Windows bytes"
work="$build/batch-compare"
rm -rf "$work"
mkdir -p "$work/inputs" "$work/linux" "$work/windows"
in="$work/inputs"
cp "$root/examples/transmit-sample.txt" "$root/examples/trim-sample.dat" "$root/examples/winagile-sample.pnt" "$in/"
# What users' files hold: LF line ends, decimal commas, ion numbers from
# 10000 on touching the type letter, a last line cut off by a stopped run.
tr -d '\r' <"$in/transmit-sample.txt" >"$in/lf.txt"
sed '13,$ s/\./,/g' "$in/transmit-sample.txt" >"$in/commas.txt"
awk 'NR > 12 { $0 = substr($0, 1, 1) sprintf("%5d", NR + 9985) substr($0, 7) } { print }' \
    "$in/lf.txt" | sed 's/$/\r/' >"$in/glued.txt"
head -c -30 "$in/transmit-sample.txt" >"$in/cut.txt"
linux_batch="$linux_build/src/batch/zelkor-batch"
windows_batch="$build/src/batch/zelkor-batch.exe"
failed=0
count=0
# Runs one command line with a program in a folder of its own (so that files
# written with -o land there) and keeps its status beside what it printed.
run_in() {
    dir="$1"
    shift
    mkdir -p "$dir"
    (
        cd "$dir"
        status=0
        "$@" >stdout 2>stderr </dev/null || status=$?
        echo "$status" >status
    )
}
# Runs one command line with both programs and compares all they leave. Each
# run has a folder of its own that no earlier run used. Wine, busy on a shared
# machine, has failed a file's creation once in a long while: a Windows run
# that differs is repeated once in a fresh folder, and the repeat is said.
compare() {
    count=$((count + 1))
    run_in "$work/linux/$count" "$linux_batch" "$@"
    run_in "$work/windows/$count" "$wine" "$windows_batch" "$@"
    if ! diff -r "$work/linux/$count" "$work/windows/$count" >/dev/null; then
        echo "repeated under Wine: zelkor-batch $*"
        rm -rf "$work/windows/$count"
        run_in "$work/windows/$count.again" "$wine" "$windows_batch" "$@"
        mv "$work/windows/$count.again" "$work/windows/$count"
    fi
    if ! diff -r "$work/linux/$count" "$work/windows/$count" >/dev/null; then
        echo "differs: zelkor-batch $*"
        diff -r "$work/linux/$count" "$work/windows/$count" | head -n 10
        failed=$((failed + 1))
    fi
}
matrix="1 0.5 0 0 0 1 0 0 0 0 2 0.1 0 0 0.3 1"
for file in transmit-sample.txt lf.txt commas.txt glued.txt cut.txt; do
    f="$in/$file"
    compare info "$f"
    compare stats "$f" --quantity KinEnerg --filter 2
    compare stats "$f" --quantity AngY --unit mrad
    compare stats "$f" --quantity PosY --unit um --more
    compare histogram "$f" --quantity PosY --unit um --default
    compare relativistic "$f" --A 4 --amu 4.0026 --columns all
    compare emittance "$f" --mode horizontal
    compare sigma-matrix "$f" --twiss
    compare transform "$f" --matrix "$matrix"
    compare positions "$f" --y mm --absz um
    compare angles "$f" --angx mrad --dydx rad
    compare convert "$f" --to trim -o out.dat
    compare convert "$f" --to pnt -o out.pnt
    compare convert "$f" --to transmit -o out.txt
done
for f in "$in/trim-sample.dat" "$in/winagile-sample.pnt"; do
    compare info "$f"
    compare stats "$f" --quantity PosZ
    compare sigma-matrix "$f"
    compare transform "$f" --matrix "$matrix" -o transformed
    compare convert "$f" --to "$(case "$f" in *.dat) echo trim ;; *) echo pnt ;; esac)" -o same
done
compare twiss --y-total 1 --dydx-total 2 --eps-y 1.5 --sign-y PLUS --z-total 2 --dzdx-total 3 --eps-z 4 --sign-z MINUS
compare element Fe
compare generate -o beam.dat --description "1 H ions into Si" --particles 200 --atomic-number 1 \
    --amu 1.00727646688 --angle 0 --energy 100 --delta-e 1 --n-sigma 2 --y-total 1 --z-total 2 --y-rms 0.5 \
    --z-rms 1 --dydx-total 2 --dzdx-total 3 --dydx-rms 1 --dzdx-rms 1.5 --eps-y 1.5 --eps-z 4 --sign-y PLUS \
    --sign-z MINUS --d-y 0 --d-z 0 --ddx-y 0 --ddx-z 0 --repeat 2
compare info "$in/missing.txt"
compare summary "$in/transmit-sample.txt" "$in/cut.txt" "$in/trim-sample.dat" "$in/missing.txt" --format csv
compare convert "$in/transmit-sample.txt" --to trim -o missing-folder/out.dat
echo "$count command lines compared, $failed differ"
[ "$failed" -eq 0 ]
