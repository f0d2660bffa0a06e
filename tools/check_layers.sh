#!/bin/sh
# Fails when an include crosses the layers downward-only rule:
#   core (data io stats optics generator relativity state tables runs) <- widgets <- <subsystem>/ui <- app
#   core <- bindings (what the Python module and the page share) <- python, web
# data/ is a leaf; its data/platform/ is the core's seam to the system, below everything. No two core
# folders include each other (nor run in a longer loop). Only data/platform/posix and
# data/platform/win32 include the system's headers, so nothing else in the core, nor any window, calls
# the system directly. Only app/compose.cpp includes the ui libraries' install headers.
set -u
src="${1:-$(dirname "$0")/../src}"
breach() { echo "layer breach: $*"; }

core="data io stats optics generator relativity state tables runs"
# "from to file:line" for every include of one core folder by another (ui folders aside).
core_edges() {
    for from in $core; do
        [ -d "$src/$from" ] || continue
        grep -rnoE '#include *"[a-z]+/' "$src/$from" --include='*.cpp' --include='*.hpp' | grep -v "^$src/$from/ui/" |
            while IFS= read -r hit; do
                to=${hit##*\"}
                to=${to%/}
                case " $core " in *" $to "*) [ "$to" != "$from" ] && echo "$from $to ${hit%%:#include*}" ;; esac
            done
    done
}

check() {
for folder in $core; do
    [ -d "$src/$folder" ] || continue
    grep -rnE '#include *[<"](Q[A-Za-z]+|qcustomplot)|#include *"(app|widgets|bindings|python|web|[a-z]+/ui)/' "$src/$folder" \
        --include='*.cpp' --include='*.hpp' | grep -v "^$src/$folder/ui/" | while read -r line; do breach "$line"; done
done
grep -rnE '#include *"[a-z]+/' "$src/data" --include='*.cpp' --include='*.hpp' | grep -v '"data/' |
    while read -r line; do breach "data/ is a leaf: $line"; done
grep -rnE '#include *"[a-z]+/' "$src/data/platform" --include='*.cpp' --include='*.hpp' | grep -v '"data/platform/' |
    while read -r line; do breach "data/platform/ is below everything: $line"; done
grep -rnE '#include *<(unistd|fcntl|dirent|dlfcn|pwd|grp|signal|termios|windows|io|direct|shellapi)\.h>|#include *<sys/' "$src" \
    --include='*.cpp' --include='*.hpp' | grep -vE "^$src/data/platform/(posix|win32)/" |
    while read -r line; do breach "only data/platform/posix and data/platform/win32 call the system: $line"; done
grep -rnE '(^|[^A-Za-z_.>])(::)?(popen|pclose|fork|getpid|unlink|mkstemp|mkdtemp|realpath|fsync|pread|pwrite|sync_file_range|uselocale|newlocale|madvise|sysconf)\(' \
    "$src" --include='*.cpp' --include='*.hpp' | grep -vE "^$src/data/platform/(posix|win32)/" |
    while read -r line; do breach "a POSIX call outside data/platform/: $line"; done
if [ -d "$src/bindings" ]; then
    grep -rnE '#include *[<"](Q[A-Za-z]+|qcustomplot|pybind11|emscripten)|#include *"(app|widgets|batch|python|web|[a-z]+/ui)/' \
        "$src/bindings" | while read -r line; do breach "bindings/ sits on the core alone: $line"; done
fi
grep -rnE '#include *"(python|web)/' "$src" --include='*.cpp' --include='*.hpp' | grep -vE "^$src/(python|web)/" |
    while read -r line; do breach "nothing includes the Python module or the page: $line"; done
grep -rnE '#include *"(app|[a-z]+/ui)/' "$src/widgets" | while read -r line; do breach "widgets: $line"; done
grep -rnE '#include *"app/' "$src" --include='*.cpp' --include='*.hpp' | grep -v "^$src/app/" |
    while read -r line; do breach "$line"; done
grep -rnE '#include *"[a-z]+/ui/' "$src/app" | grep -v "^$src/app/compose.cpp:" | grep -v "^$src/app/screenshot_main.cpp:" |
    while read -r line; do breach "only compose.cpp knows the windows: $line"; done
# Between two core folders the includes run one way only: no folder includes
# one that includes it, directly or round a longer loop.
edges=$(core_edges)
echo "$edges" | awk 'NF == 3 && !(($1 " " $2) in seen) { seen[$1 " " $2] = $3 }
    END { for (k in seen) { split(k, p, " "); r = p[2] " " p[1]
          if ((r in seen) && p[1] < p[2]) print "layer breach: " p[1] "/ and " p[2] "/ include each other: " seen[k] " and " seen[r] } }'
loop=$(echo "$edges" | awk 'NF == 3 { print $1, $2 }' | sort -u | tsort 2>&1 >/dev/null | grep -v 'input contains a loop' |
    sed 's/^tsort: //' | sort -u | tr '\n' ' ')
[ -n "$loop" ] && breach "the core folders' includes run in a loop through: $loop"
# Each ui library includes no other subsystem's ui folder.
for ui in "$src"/*/ui; do
    own=$(basename "$(dirname "$ui")")
    grep -rnE '#include *"[a-z]+/ui/' "$ui" | grep -v "\"$own/ui/" | while read -r line; do breach "$line"; done
done
}

found=$(check)
[ -z "$found" ] && exit 0
echo "$found"
exit 1
