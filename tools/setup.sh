#!/bin/sh
# Installs the Debian packages the build needs, when any is missing.
set -eu

PACKAGES="cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
qt6-base-dev libgl-dev libqcustomplot-dev libqcustomplot2.1-qt6 fonts-dejavu-core xvfb xauth
pybind11-dev python3-dev python3-numpy python3-pytest libgsl-dev
clang libclang-rt-dev clang-format
openbox xdotool imagemagick
desktop-file-utils appstream librsvg2-bin dpkg-dev file pngquant optipng
libfast-float-dev g++-mingw-w64-x86-64-posix googletest wine64 emscripten node-acorn chromium"

missing=""
# The browser page's build tools run on Node.js and come through npm; a
# machine that has both from elsewhere keeps them.
command -v node >/dev/null 2>&1 || missing="$missing nodejs"
command -v npm >/dev/null 2>&1 || missing="$missing npm"
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
    echo "Installing:$missing"
    $SUDO apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
