#!/usr/bin/env bash
# Installs what is missing, checks formatting, builds with warnings as errors, compile-checks
# the Windows sources and runs every test.
# Extra arguments go to CMake, e.g.  scripts/test.sh -DDRAVO_SANITIZE=address,undefined
# DRAVO_BUILD_DIR chooses the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

# DRAVO_SUITE_ONLY=1 skips the checks that do not depend on the build (a second, sanitized run).
if [ -z "${DRAVO_SUITE_ONLY:-}" ]; then
  scripts/check-format.sh
fi

build="${DRAVO_BUILD_DIR:-build}"
# Reset the sanitizer first so that an earlier sanitized configure does not stick.
# Warnings are errors here; a plain cmake build keeps them warnings for newer compilers.
cmake -S . -B "$build" -G Ninja -DDRAVO_SANITIZE= -DDRAVO_WERROR=ON "$@"
cmake --build "$build"
if [ -z "${DRAVO_SUITE_ONLY:-}" ]; then
  scripts/check-windows.sh
fi
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
