#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what clang-format (the root .clang-format) makes
# of it. Fix with:  git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."

command -v clang-format >/dev/null || { echo "check-format: clang-format is missing (scripts/deps.sh installs it)" >&2; exit 1; }
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "check-format: $(git ls-files '*.cpp' '*.h' | wc -l) sources are formatted"
