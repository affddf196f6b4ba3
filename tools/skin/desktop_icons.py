#!/usr/bin/env python3
"""Draws the product icon for the Linux desktop menu at the sizes icon themes look for.

The icons are committed under data/linux/icons; run this again after changing the logo's
drawing in skin_art.py.

    tools/skin/desktop_icons.py            # writes the icons
    tools/skin/desktop_icons.py --check    # exits with 1 when a committed icon differs
"""
import argparse
import os
import sys

try:
    from PIL import Image  # noqa: F401
except ImportError:
    # Pillow comes from the Debian package: use the system interpreter (see generate.py).
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("desktop_icons.py: Pillow is missing; run scripts/deps.sh (package python3-pil)")

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
import skin_art  # noqa: E402

APP_ID = "com.velmora.DravoFree"
SIZES = (16, 24, 32, 48, 64, 128, 256)
ROOT = os.path.join(HERE, "..", "..", "data", "linux", "icons", "hicolor")


def icon_path(size):
    return os.path.join(ROOT, f"{size}x{size}", "apps", APP_ID + ".png")


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--check", action="store_true", help="compare the committed icons and exit")
    args = ap.parse_args(argv)
    stale = []
    for size in SIZES:
        data = skin_art.make(f"dravofree_icon_{size}.png", size, size, "logo")
        path = icon_path(size)
        old = open(path, "rb").read() if os.path.exists(path) else None
        if old == data:
            continue
        if args.check:
            stale.append(path)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    for path in stale:
        print(f"stale or missing: {os.path.relpath(path)}")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
