#!/bin/sh
# Non-blank lines of C++ (.cpp/.h) under tests/ against the code folders, and their ratio.
# Benchmarks, generated files and build output are neither.
set -eu
cd "$(dirname "$0")/.."
count() {
    find "$@" \( -name '*.cpp' -o -name '*.h' \) -type f -print0 2>/dev/null | xargs -0 cat | grep -cv '^[[:space:]]*$'
}
code_folders=""
for folder in ovdriver platform base app device engine widgets features freeup erase services tools; do
    [ -d "$folder" ] && code_folders="$code_folders $folder"
done
# shellcheck disable=SC2086
code=$(count $code_folders)
tests=$(count tests)
bench=$(count bench)
echo "tests $tests lines, code $code lines: $((100 * tests / code)) %"
# Benchmarks are neither tests nor the program; some reviews count them with the code.
echo "with the $bench lines of bench/ counted as code: $((100 * tests / (code + bench))) %"
