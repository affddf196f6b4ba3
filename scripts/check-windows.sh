#!/usr/bin/env bash
# Compiles and links the Windows sources of platform/ with the mingw-w64 cross compiler,
# so that code we cannot run here is at least code the Windows compiler accepts.
set -euo pipefail
cd "$(dirname "$0")/.."

cxx=x86_64-w64-mingw32-g++
command -v "$cxx" >/dev/null || { echo "check-windows: $cxx is missing (scripts/deps.sh installs it)" >&2; exit 1; }

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
version="$(sed -n 's/^project(VelmoraDravoFree VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"

objects=()
for src in platform/*.cpp platform/win/*.cpp; do
  obj="$out/$(echo "$src" | tr '/' '_').o"
  "$cxx" -std=c++17 -Wall -Wextra -Werror -DUNICODE -D_UNICODE \
    -DDRAVO_FILE_VERSION="\"$version\"" -Iplatform -Iplatform/win -c "$src" -o "$obj"
  objects+=("$obj")
done
# A DLL with no undefined symbols proves every function the headers promise is defined.
"$cxx" -shared -Wl,--no-undefined -o "$out/platform.dll" "${objects[@]}" \
  -static-libgcc -static-libstdc++ -ldbghelp -lversion -ladvapi32 -lshell32 -lole32 -luuid
echo "check-windows: ${#objects[@]} Windows sources compile and link"
