#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display it runs on a
# virtual X display (Xvfb). The program's exit code is this script's exit code.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

build="${DRAVO_BUILD_DIR:-build}"
log="$(mktemp)"
if ! { cmake -S . -B "$build" -G Ninja && cmake --build "$build"; } >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  exit 1
fi
rm -f "$log"

app="$build/bin/VelmoraDravoFree"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found; starting on a virtual X display (Xvfb)" >&2
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$app" "$@"
fi
exec "$app" "$@"
