#!/usr/bin/env python3
"""Moves the messages of a Qt Linguist catalogue out to a compact file and translations back in.

  translation-delta.py export language/French.ts todo.json [--all] [--reference German.ts]
      Writes every unfinished message (or, with --all, every message) as one JSON object a
      line: {"context", "source", "comment", "translation"}. --reference adds "reference",
      the finished translation of the same message in another catalogue, as a hint.
  translation-delta.py import language/French.ts todo.json
      Writes each non-empty "translation" into the catalogue and marks it finished. An entry
      whose message is gone, or whose translation loses a placeholder, tag, line break or
      leading or trailing blank of its source, is reported and left out; the exit status is then 1.
  translation-delta.py fill language/French.ts
      Translates each unfinished message whose source text (and comment) the catalogue already
      translates, in another class, with one and the same finished text: the new "Back" and
      "Cancel" buttons of a page need no translator. Sources translated two ways are left open.
  translation-delta.py stats language/*.ts
      Prints the number of messages and unfinished messages of each catalogue.

The catalogue is edited as text, message by message, so that everything else in it stays as
lupdate wrote it and a later lupdate run changes nothing.
"""

import argparse
import html
import json
import re
import sys

CONTEXT_RE = re.compile(r"<context>\s*<name>(.*?)</name>(.*?)</context>", re.S)
MESSAGE_RE = re.compile(r"<message\b[^>]*>.*?</message>", re.S)
SOURCE_RE = re.compile(r"<source>(.*?)</source>", re.S)
COMMENT_RE = re.compile(r"<comment>(.*?)</comment>", re.S)
TRANSLATION_RE = re.compile(r"<translation\b([^>]*)(?:/>|>(.*?)</translation>)", re.S)

PLACEHOLDER_RE = re.compile(r"%L?(?:\d+|n)")
TAG_RE = re.compile(r"</?[A-Za-z][A-Za-z0-9]*")


def unescape(text):
    return html.unescape(text)


def escape(text):
    # The same escaping lupdate writes, so that a later refresh leaves the line alone.
    text = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    text = text.replace('"', "&quot;").replace("'", "&apos;")
    return "".join("&#x%x;" % ord(c) if (ord(c) < 0x20 and c not in "\n\t") or c == "\xa0" else c for c in text)


def must_keep(text):
    """What a translation has to carry over from its source unchanged."""
    return (
        sorted(PLACEHOLDER_RE.findall(text)),
        sorted(TAG_RE.findall(text)),
        text.count("\n"),
        text.startswith(" "),
        text.endswith(" "),
    )


def messages(ts_text):
    """Yields (context, source, comment, translation, unfinished, span of the message)."""
    for context in CONTEXT_RE.finditer(ts_text):
        name = unescape(context.group(1))
        offset = context.start(2)
        for message in MESSAGE_RE.finditer(context.group(2)):
            block = message.group(0)
            source = SOURCE_RE.search(block)
            comment = COMMENT_RE.search(block)
            translation = TRANSLATION_RE.search(block)
            attributes = translation.group(1) if translation else ""
            yield (
                name,
                unescape(source.group(1)) if source else "",
                unescape(comment.group(1)) if comment else "",
                unescape(translation.group(2) or "") if translation else "",
                "unfinished" in attributes or "vanished" in attributes or "obsolete" in attributes,
                (offset + message.start(), offset + message.end()),
            )


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def key(context, source, comment):
    return (context, source, comment)


def export(args):
    ts_text = read(args.catalogue)
    reference = {}
    if args.reference:
        for context, source, comment, translation, unfinished, _ in messages(read(args.reference)):
            if translation and not unfinished:
                reference[key(context, source, comment)] = translation
    count = 0
    with open(args.file, "w", encoding="utf-8") as out:
        for context, source, comment, translation, unfinished, _ in messages(ts_text):
            if not (unfinished or args.all):
                continue
            entry = {"context": context, "source": source, "comment": comment,
                     "translation": translation}
            hint = reference.get(key(context, source, comment))
            if hint is not None:
                entry["reference"] = hint
            out.write(json.dumps(entry, ensure_ascii=False) + "\n")
            count += 1
    print(f"{args.file}: {count} messages of {args.catalogue}", file=sys.stderr)
    return 0


def load_entries(path):
    """Reads JSON lines, or one JSON array, so a hand-made file of either kind works."""
    text = read(path)
    if text.lstrip().startswith("["):
        return json.loads(text)
    entries = []
    for number, line in enumerate(text.splitlines(), 1):
        if line.strip():
            try:
                entries.append(json.loads(line))
            except json.JSONDecodeError as error:
                raise SystemExit(f"{path}:{number}: {error}")
    return entries


def import_(args):
    return write_translations(args.catalogue, read(args.catalogue), load_entries(args.file))


def write_translations(catalogue, ts_text, entries):
    wanted = {}
    faults = []
    for entry in entries:
        translation = entry.get("translation") or ""
        if not translation:
            continue
        k = key(entry.get("context", ""), entry.get("source", ""), entry.get("comment", ""))
        if must_keep(translation) != must_keep(k[1]):
            faults.append(f"placeholders, tags, line breaks or edge blanks differ: {k[0]} {k[1]!r} -> {translation!r}")
            continue
        wanted[k] = translation

    pieces = []
    last = 0
    written = set()
    for context, source, comment, _, _, (start, end) in messages(ts_text):
        k = key(context, source, comment)
        if k not in wanted:
            continue
        block = ts_text[start:end]
        if 'numerus="yes"' in block:
            faults.append(f"plural message, translate it in Linguist: {context} {source!r}")
            continue
        replacement = "<translation>" + escape(wanted[k]) + "</translation>"
        block = TRANSLATION_RE.sub(lambda _: replacement, block, count=1)
        pieces += [ts_text[last:start], block]
        last = end
        written.add(k)
    pieces.append(ts_text[last:])

    for k in wanted.keys() - written:
        if not any(k[0] in f and k[1] in f for f in faults):
            faults.append(f"no such message: {k[0]} {k[1]!r}")
    with open(catalogue, "w", encoding="utf-8") as f:
        f.write("".join(pieces))
    print(f"{catalogue}: {len(written)} translations written", file=sys.stderr)
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


def fill(args):
    ts_text = read(args.catalogue)
    known = {}
    for _, source, comment, translation, unfinished, _ in messages(ts_text):
        if translation and not unfinished:
            known.setdefault((source, comment), set()).add(translation)
    entries = []
    for context, source, comment, translation, unfinished, _ in messages(ts_text):
        choices = known.get((source, comment), set())
        if (unfinished or not translation) and len(choices) == 1:
            entries.append({"context": context, "source": source, "comment": comment,
                            "translation": next(iter(choices))})
    return write_translations(args.catalogue, ts_text, entries)


def stats(args):
    for path in args.catalogues:
        found = list(messages(read(path)))
        open_ = sum(1 for m in found if m[4] or not m[3])
        print(f"{path}: {len(found)} messages, {open_} unfinished")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    p = commands.add_parser("export")
    p.add_argument("catalogue")
    p.add_argument("file")
    p.add_argument("--all", action="store_true")
    p.add_argument("--reference")
    p.set_defaults(run=export)
    p = commands.add_parser("import")
    p.add_argument("catalogue")
    p.add_argument("file")
    p.set_defaults(run=import_)
    p = commands.add_parser("fill")
    p.add_argument("catalogue")
    p.set_defaults(run=fill)
    p = commands.add_parser("stats")
    p.add_argument("catalogues", nargs="+")
    p.set_defaults(run=stats)
    args = parser.parse_args()
    try:
        return args.run(args)
    except (OSError, ValueError) as error:
        print(f"translation-delta: {error}", file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main())
