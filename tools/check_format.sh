#!/bin/sh
# Fails when a tracked C++ file differs from the style in .clang-format;
# `clang-format -i FILE` puts it right.
set -eu
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.hpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "clang-format: every tracked C++ file is in the project's style"
