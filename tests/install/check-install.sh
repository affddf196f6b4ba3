#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a Linux desktop needs of it: the
# command, the program folder with everything the program loads, the menu entry, the icons
# and the AppStream data; then starts the installed program from a read-only folder, as a
# packaged install is, and checks it keeps its settings per user without writing beside
# itself.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'chmod -R u+w "$scratch" 2>/dev/null; [ -n "${app:-}" ] && kill -9 "$app" 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

appdir="$prefix/lib/velmora-dravo-free"
for f in VelmoraDravoFree RestartApp OvRemoveBack ovsim; do
  [ -x "$appdir/$f" ] || fail "$f is not installed as a program"
done
[ -f "$appdir/libovdriver.so" ] || fail "the device library is missing"
[ -f "$appdir/deviceType_config.xml" ] || fail "the device table is missing"
[ -f "$appdir/skin/dravofree_icon_40.png" ] || fail "the skin is missing"
ls "$appdir"/language/main/*.qm >/dev/null 2>&1 || fail "no translation is installed"
[ "$(readlink "$prefix/bin/velmora-dravo-free")" = "../lib/velmora-dravo-free/VelmoraDravoFree" ] \
  || fail "bin/velmora-dravo-free is not a relative link into the program folder"
for size in 16 32 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/com.velmora.DravoFree.png" ] || fail "no ${size}px icon"
done
desktop="$prefix/share/applications/com.velmora.DravoFree.desktop"
grep -qx 'Exec=velmora-dravo-free' "$desktop" || fail "the menu entry does not start the installed command"
grep -qx 'Icon=com.velmora.DravoFree' "$desktop" || fail "the menu entry names another icon"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/com.velmora.DravoFree.metainfo.xml" >/dev/null \
    || fail "appstreamcli refuses the metainfo file"
fi
# Nothing may point back into the build: the installed programs load the installed library.
if ldd "$appdir/VelmoraDravoFree" | grep -q "$build"; then fail "the program loads a library from the build"; fi
ldd "$appdir/VelmoraDravoFree" | grep -q "libovdriver.so => $appdir/" || fail "the program does not find its device library"

# Start it from a read-only folder, as a package installs it. Permissions do not stop root,
# so as root the program runs as an unprivileged user, as a desktop user runs it.
chmod -R a-w "$prefix"
home="$scratch/home"
mkdir -p "$home" "$scratch/run"
chmod 0700 "$scratch/run"
as_user=()
if [ "$(id -u)" = 0 ]; then
  chmod 0755 "$scratch"
  chown -R 65534:65534 "$home" "$scratch/run"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
(
  cd /
  unset DRAVO_APP_DIR
  export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config"
  export XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen
  exec "${as_user[@]}" "$prefix/bin/velmora-dravo-free"
) &
app=$!
user="$home/.local/share/VelmoraDravoFree/program"
# "crash_config" is written to the working folder once start-up is past its checks.
for _ in $(seq 100); do
  [ -f "$user/crash_config" ] && break
  kill -0 "$app" 2>/dev/null || fail "the installed program ended at start-up"
  sleep 0.1
done
[ -f "$user/crash_config" ] || fail "the installed program did not make its per-user folder"
kill -0 "$app" 2>/dev/null || fail "the installed program ended at start-up"
[ -L "$user/skin" ] && [ -f "$user/skin/dravofree_icon_40.png" ] || fail "the per-user folder does not reach the skin"
[ -f "$user/language/language" ] && [ ! -L "$user/language/language" ] || fail "the chosen language is not kept per user"
[ -d "$user/temp/appIconTemp" ] || fail "the temporary folder was not made per user"
kill -9 "$app"
wait "$app" 2>/dev/null || true
app=
echo "install: OK"
