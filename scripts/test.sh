#!/usr/bin/env bash
# Installs what is missing, builds, compile-checks the Windows sources and runs every test.
# Extra arguments go to CMake, e.g.  scripts/test.sh -DDRAVO_SANITIZE=address,undefined
# DRAVO_BUILD_DIR chooses the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

build="${DRAVO_BUILD_DIR:-build}"
# Reset the sanitizer first so that an earlier sanitized configure does not stick.
cmake -S . -B "$build" -G Ninja -DDRAVO_SANITIZE= "$@"
cmake --build "$build"
scripts/check-windows.sh
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
