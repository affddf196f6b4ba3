#!/usr/bin/env bash
# Remakes the README's screenshots from the real program on a virtual X display, against a
# simulated demo device: the main window, the first tab's quick-scan result and an erase
# scan. Run it after changing what those pages show; it writes docs/screenshots/*.png.
# Clicks go to positions inside the window (1000 x 680, the program's fixed size): when a
# page's layout moves a button, adjust its position below.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${DRAVO_BUILD_DIR:-build}"
out=docs/screenshots
scripts/deps.sh
command -v xdotool >/dev/null || { echo "screenshots: xdotool is missing (apt-get install xdotool)" >&2; exit 1; }
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" >/dev/null
bin="$(cd "$build/bin" && pwd)"

scratch="$(mktemp -d)"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# A program folder of its own, so no setting of an earlier run changes the pictures.
mkdir -p "$scratch/app" "$scratch/home" "$scratch/run"
chmod 0700 "$scratch/run"
for f in "$bin"/*; do
  case "$(basename "$f")" in *.ini|log|temp|Level|language) ;; *) ln -s "$f" "$scratch/app/" ;; esac
done
# The chosen language is written beside the catalogues: that folder is the run's own.
mkdir -p "$scratch/app/language"
ln -s "$bin/language/main" "$scratch/app/language/main"
export DRAVO_APP_DIR="$scratch/app" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run"
export OVDRIVER_SIM_ROOT="$scratch/devices" OVDRIVER_BACKUP_DIR="$scratch/backups"
export LANGUAGE= LC_ALL=C.UTF-8
"$bin/ovsim" create "$OVDRIVER_SIM_ROOT/iPhone" --demo --name "Demo iPhone" --plug >/dev/null

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$scratch" && exec "$bin/VelmoraDravoFree" ${DRAVO_SCREENSHOT_LANGUAGE:+-language "$DRAVO_SCREENSHOT_LANGUAGE"}) >"$scratch/program.log" 2>&1 &
app=$!
window="$(xdotool search --sync --onlyvisible --name 'Velmora Dravo Free' | head -1)"
xdotool windowmove "$window" 140 60

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
shot() { sleep "$2"; mkdir -p "$out"; import -window "$window" "$out/$1.png"; echo "screenshots: $out/$1.png"; }

shot main-window 6                 # the device is connected and the first tab shows it
click 157 350                      # Quick Scan
shot free-up-space-result 12
click 700 75                       # the Erase Private Data tab
sleep 1
xdotool key Return                 # leaving the quick-scan result asks first: Yes is the default
click 500 623                      # Scan
shot erase-private-data-scan 25
click 130 248                      # the Message category: its conversations and one opened
sleep 1
click 500 200
shot erase-private-data-messages 2
click 48 248                       # tick every message
sleep 1
click 924 650                      # Erase Now: the confirmation page
shot erase-confirmation 2
