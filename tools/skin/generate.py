#!/usr/bin/env python3
"""Draws the program's skin: every image listed in images.csv, written to <repo>/skin/.

    generate.py            draw every image (and remove files that are not in the list)
    generate.py --check    verify that skin/ holds exactly the listed files at the listed sizes
    generate.py NAME...    draw only the named images (for working on a drawing)
"""

import argparse
import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
LIST = os.path.join(HERE, "images.csv")
SKIN = os.path.join(REPO, "skin")

try:
    from PIL import Image
except ImportError:
    # A Python of its own (pyenv, venv) may stand before the system one on PATH; Pillow
    # comes from the Debian package, so use the system interpreter.
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("generate.py: Pillow is missing; run scripts/deps.sh (package python3-pil)")

sys.dont_write_bytecode = True  # keep __pycache__ out of the source tree
sys.path.insert(0, HERE)
import skin_art  # noqa: E402

KINDS = {"background", "logo", "titlebutton", "tab", "button", "checkbox", "icon", "badge", "tile",
         "label", "bar", "picture", "anim", "anim-once", "bar-anim"}


class Row:
    def __init__(self, name, w, h, kind, desc, line):
        self.name, self.w, self.h, self.kind, self.desc, self.line = name, w, h, kind, desc, line


def dense_name(name):
    """The file of a still picture drawn at twice the density, which Qt picks on a screen with
    a device pixel ratio of 2: "tip.png" -> "tip@2x.png"."""
    return name[:-4] + "@2x.png" if name.endswith(".png") else None


def files(rows):
    """Every file the list makes: (name, width, height, scale)."""
    out = []
    for r in rows:
        out.append((r.name, r.w, r.h, 1))
        if dense_name(r.name):
            out.append((dense_name(r.name), r.w * 2, r.h * 2, 2))
    return out


def read_list(path=LIST):
    """The rows of the list; raises ValueError on a malformed or duplicated row."""
    rows, seen = [], set()
    with open(path, newline="", encoding="utf-8") as f:
        for n, rec in enumerate(csv.reader(f), 1):
            if not rec or rec[0].startswith("#"):
                continue
            if len(rec) != 5:
                raise ValueError(f"{path}:{n}: expected name,width,height,kind,description")
            name, w, h, kind, desc = (x.strip() for x in rec)
            if not (name.endswith(".png") or name.endswith(".gif")) or "/" in name:
                raise ValueError(f"{path}:{n}: {name!r} is not a .png or .gif file name")
            if name in seen:
                raise ValueError(f"{path}:{n}: {name} is listed twice")
            if kind not in KINDS:
                raise ValueError(f"{path}:{n}: unknown kind {kind!r}")
            if kind.endswith("anim") or kind == "anim-once":
                if not name.endswith(".gif"):
                    raise ValueError(f"{path}:{n}: an animation must be a .gif")
            elif name.endswith(".gif"):
                raise ValueError(f"{path}:{n}: a .gif must have an animation kind")
            seen.add(name)
            rows.append(Row(name, int(w), int(h), kind, desc, n))
    return rows


def check(rows, folder):
    """Problems found comparing the folder with the list (empty when they agree)."""
    problems = []
    if not os.path.isdir(folder):
        return [f"{folder} does not exist"]
    present = {e for e in os.listdir(folder) if os.path.isfile(os.path.join(folder, e))}
    listed = {name for name, _, _, _ in files(rows)}
    for extra in sorted(present - listed):
        problems.append(f"not in the list: {extra}")
    for r in rows:
        path = os.path.join(folder, r.name)
        if r.name not in present:
            problems.append(f"missing: {r.name}")
            continue
        try:
            with Image.open(path) as im:
                fmt, size = im.format, im.size
                frames = getattr(im, "n_frames", 1)
        except Exception as e:  # a truncated or foreign file
            problems.append(f"unreadable: {r.name} ({e})")
            continue
        want_fmt = "GIF" if r.name.endswith(".gif") else "PNG"
        if fmt != want_fmt:
            problems.append(f"{r.name}: is {fmt}, expected {want_fmt}")
        if size != (r.w, r.h):
            problems.append(f"{r.name}: is {size[0]}x{size[1]}, listed as {r.w}x{r.h}")
        if want_fmt == "GIF" and frames < 2:
            problems.append(f"{r.name}: has {frames} frame, an animation needs several")
        dense = dense_name(r.name)
        if dense and dense in present:
            with Image.open(os.path.join(folder, dense)) as im:
                if im.size != (r.w * 2, r.h * 2):
                    problems.append(f"{dense}: is {im.size[0]}x{im.size[1]}, expected {r.w * 2}x{r.h * 2}")
        elif dense:
            problems.append(f"missing: {dense}")
    return problems


def generate(rows, folder, only=None):
    os.makedirs(folder, exist_ok=True)
    missing = [r.name for r in rows if not skin_art.has_drawer(r.name)]
    if missing:
        raise SystemExit("no drawing for: " + ", ".join(missing))
    for r in rows:
        if only and r.name not in only:
            continue
        for name, scale in ((r.name, 1), (dense_name(r.name), 2)):
            if name:
                write(folder, name, skin_art.make(r.name, r.w, r.h, r.kind, scale))
    if not only:
        listed = {name for name, _, _, _ in files(rows)}
        for e in os.listdir(folder):
            p = os.path.join(folder, e)
            if os.path.isfile(p) and e not in listed:
                os.remove(p)


def write(folder, name, data):
    """Writes only a changed file, so an unchanged drawing never shows up as a change."""
    path = os.path.join(folder, name)
    old = None
    if os.path.exists(path):
        with open(path, "rb") as f:
            old = f.read()
    if old != data:
        with open(path, "wb") as f:
            f.write(data)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--check", action="store_true", help="compare the skin folder with the list and exit")
    ap.add_argument("--out", default=SKIN, help="skin folder (default: %(default)s)")
    ap.add_argument("names", nargs="*", help="draw only these images")
    a = ap.parse_args(argv)
    try:
        rows = read_list()
    except ValueError as e:
        print(e, file=sys.stderr)
        return 2
    if a.check:
        problems = check(rows, a.out)
        for p in problems:
            print(p, file=sys.stderr)
        if problems:
            print(f"skin check failed: {len(problems)} problem(s) in {a.out}", file=sys.stderr)
            return 1
        print(f"skin check passed: {len(rows)} images in {a.out}")
        return 0
    unknown = set(a.names) - {r.name for r in rows}
    if unknown:
        print("not in the list: " + ", ".join(sorted(unknown)), file=sys.stderr)
        return 2
    generate(rows, a.out, set(a.names) or None)
    problems = [] if a.names else check(rows, a.out)
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
