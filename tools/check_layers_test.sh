#!/bin/sh
# Shows that check_layers.sh catches the includes it is there to catch, on
# small made-up trees: two core folders that include each other, a longer
# loop, and (to pass) includes that run one way.
set -u
check="$(dirname "$0")/check_layers.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failed=0

# include FROM_FILE TARGET...: a header of src/FROM_FILE including each target header.
include() {
    file="$tree/$1"
    shift
    mkdir -p "$(dirname "$file")"
    for target in "$@"; do echo "#include \"$target\"" >>"$file"; done
}
expect() {  # expect pass|fail WHAT [TEXT]
    mkdir -p "$tree/data/platform" "$tree/widgets" "$tree/app" "$tree/stats/ui"
    output=$(sh "$check" "$tree")
    status=$?
    if [ "$1" = pass ] && [ $status -ne 0 ]; then
        echo "not passed: $2"; echo "$output"; failed=1
    elif [ "$1" = fail ] && { [ $status -eq 0 ] || ! echo "$output" | grep -qF "$3"; }; then
        echo "not caught: $2 (expected \"$3\")"; echo "$output"; failed=1
    fi
    rm -rf "${tree:?}"/*
}

include state/app_state.hpp data/particle_set.hpp
include stats/kernels.hpp state/app_state.hpp data/particle_set.hpp
include tables/table.hpp stats/kernels.hpp
expect pass "one-way includes"

include state/app_state.hpp stats/quantity_id.hpp
include stats/kernels.hpp state/app_state.hpp
expect fail "two folders including each other" \
    "state/ and stats/ include each other: $tree/state/app_state.hpp:1 and $tree/stats/kernels.hpp:1"

include io/writer.cpp optics/matrix.hpp
include optics/matrix.hpp tables/table.hpp
include tables/table.cpp io/writer.hpp
expect fail "a loop through three folders" "the core folders' includes run in a loop through: io optics tables"

exit $failed
