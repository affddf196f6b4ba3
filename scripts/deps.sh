#!/usr/bin/env bash
# The one list of Debian packages this project needs to build, run and test.
# Installs only what is missing; refreshes the package lists only when it must install.
set -euo pipefail

PACKAGES=(
  # build
  cmake ninja-build g++ pkg-config
  # compiler cache: warm rebuilds and several build folders stay cheap
  ccache
  # the formatting check of scripts/test.sh
  clang-format
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev
  # asks X11 whether a compositor runs (frameless dialogs draw their shadow only then)
  libqt5x11extras5-dev
  # the Windows sources of platform/ are compile-checked with this
  g++-mingw-w64-x86-64
  # running the window without a display, and looking at it
  xvfb xauth imagemagick
  # scripts/screenshots.sh clicks through the real program and waits for its display
  xdotool x11-utils
  # drawing the skin images (tools/skin/generate.py)
  python3-pil
  # fonts so that rendered text has real glyphs under Xvfb/offscreen
  fonts-dejavu-core
  # app and contact names in Chinese and Japanese
  fonts-wqy-microhei
  # the install check: validators for the menu entry and the AppStream data, and dpkg-shlibdeps
  # for the Debian package
  desktop-file-utils appstream dpkg-dev
  # test-only peers started by the tests themselves (the SMTP server with AUTH LOGIN; openssl
  # makes the throw-away certificate of its STARTTLS cases)
  python3 python3-aiosmtpd openssl
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
