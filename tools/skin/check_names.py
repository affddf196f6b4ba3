#!/usr/bin/env python3
"""Every image name the program's code uses must be a file of skin/.

Scans the C++ sources for string literals naming a .png or .gif and reports each one that
skin/ lacks. Names built from a prefix and a state at run time are not seen here; the
image list (images.csv) covers those sets.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCES = ["base", "app", "widgets", "features", "freeup", "erase", "services"]
LITERAL = re.compile(r'"([^"\\]*\.(?:png|gif))"')


def main() -> int:
    skin = {p.name for p in (ROOT / "skin").iterdir()}
    missing = []
    seen = 0
    for folder in SOURCES:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                for name in LITERAL.findall(line):
                    seen += 1
                    base = name.replace("\\", "/").split("/")[-1]
                    # State suffixes ("_hover.png") and patterns ("checkState%1.png") are
                    # parts of names built at run time.
                    if base.startswith("_") or "%" in base:
                        continue
                    if base not in skin:
                        missing.append(f"{path.relative_to(ROOT)}:{number}: {name}")
    if missing:
        print("images named in the code but missing from skin/:")
        print("\n".join(missing))
        return 1
    if seen == 0:
        print("no image names found in the code: the scan is broken")
        return 1
    print(f"all {seen} image names used in the code are in skin/")
    return 0


if __name__ == "__main__":
    sys.exit(main())
