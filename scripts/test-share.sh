#!/usr/bin/env bash
# Prints the size of the test suite against the size of the code it tests, in non-blank lines
# of C++ sources and headers.
#   tests: everything under tests/ (core, tool and widget tests, fuzz targets, test support)
#   code:  base, preferences, dictionary, engine, ai, tools, ui and app
# Not counted: the Designer forms (ui/forms/*.ui, XML written by Designer), the benchmarks,
# the build-time helpers (buildtools/), the data files and the CMake files.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -cv '^[[:space:]]*$'
}

code_dirs=(base preferences dictionary engine ai tools ui app)
code=0
for dir in "${code_dirs[@]}"; do
    lines=$(count "$dir")
    printf '%-12s %6d\n' "$dir" "$lines"
    code=$((code + lines))
done
tests=$(count tests)
printf '%-12s %6d\n' "code" "$code" "tests" "$tests"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "test share: %d test lines for %d code lines = %.1f %%\n", t, c, 100 * t / c }'
