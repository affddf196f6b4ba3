#!/usr/bin/env python3
"""scripts/translation-delta.py against small catalogues written as lupdate writes them: what it
exports, what it writes back, what it refuses, and that it leaves the rest of the file alone."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "translation-delta.py")

CATALOGUE = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>EraseView</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Type &quot;delete&quot; to erase %1 files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <comment>approximately</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OtherView</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>ThirdView</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Select</source>
        <comment>a column</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
"""


class TranslationDelta(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.ts = os.path.join(self.dir.name, "French.ts")
        self.todo = os.path.join(self.dir.name, "todo.jsonl")
        with open(self.ts, "w", encoding="utf-8") as f:
            f.write(CATALOGUE)

    def tearDown(self):
        self.dir.cleanup()

    def run_script(self, *args):
        return subprocess.run([sys.executable, SCRIPT, *args], capture_output=True, text=True)

    def text(self):
        with open(self.ts, encoding="utf-8") as f:
            return f.read()

    def exported(self, *extra):
        self.assertEqual(self.run_script("export", self.ts, self.todo, *extra).returncode, 0)
        with open(self.todo, encoding="utf-8") as f:
            return [json.loads(line) for line in f]

    def test_export_lists_unfinished_messages_with_context_and_comment(self):
        entries = self.exported()
        self.assertEqual(
            [(e["context"], e["source"], e["comment"]) for e in entries],
            [("EraseView", 'Type "delete" to erase %1 files.', ""),
             ("EraseView", "About", "approximately"),
             ("OtherView", "Back", ""),
             ("ThirdView", "Select", "a column")])
        self.assertEqual(len(self.exported("--all")), 7)

    def test_import_writes_escaped_finished_translations_and_nothing_else(self):
        entries = self.exported()
        entries[0]["translation"] = "Tapez « supprimer » pour effacer %1 fichiers & l'historique."
        entries[1]["translation"] = "Environ\u00a0"
        with open(self.todo, "w", encoding="utf-8") as f:
            f.write("\n".join(json.dumps(e, ensure_ascii=False) for e in entries))
        result = self.run_script("import", self.ts, self.todo)
        self.assertEqual(result.returncode, 0, result.stderr)

        expected = CATALOGUE.replace(
            '<translation type="unfinished"></translation>',
            "<translation>Tapez « supprimer » pour effacer %1 fichiers &amp; l&apos;historique.</translation>", 1)
        expected = expected.replace(
            '<translation type="unfinished"></translation>', "<translation>Environ&#xa0;</translation>", 1)
        self.assertEqual(self.text(), expected)
        # What was written comes back out unchanged.
        self.assertEqual(self.exported("--all")[1]["translation"], entries[0]["translation"])

    def test_import_refuses_lost_placeholders_and_unknown_messages(self):
        entries = [
            {"context": "EraseView", "source": 'Type "delete" to erase %1 files.', "comment": "",
             "translation": "Tapez « supprimer » pour effacer les fichiers."},
            {"context": "EraseView", "source": "Gone", "comment": "", "translation": "Parti"},
            {"context": "EraseView", "source": "About", "comment": "approximately", "translation": "Environ"},
        ]
        with open(self.todo, "w", encoding="utf-8") as f:
            json.dump(entries, f)
        result = self.run_script("import", self.ts, self.todo)
        self.assertEqual(result.returncode, 1)
        self.assertIn("placeholders", result.stderr)
        self.assertIn("no such message", result.stderr)
        # The good entry is still written; the refused one stays open.
        open_sources = [e["source"] for e in self.exported()]
        self.assertIn('Type "delete" to erase %1 files.', open_sources)
        self.assertNotIn("About", open_sources)

    def test_fill_reuses_only_a_translation_the_catalogue_gives_one_way(self):
        result = self.run_script("fill", self.ts)
        self.assertEqual(result.returncode, 0, result.stderr)
        open_messages = [(e["context"], e["source"]) for e in self.exported()]
        # "Back" is translated once elsewhere; "Select" two ways, and with another comment.
        self.assertNotIn(("OtherView", "Back"), open_messages)
        self.assertIn(("ThirdView", "Select"), open_messages)
        self.assertIn(("EraseView", "About"), open_messages)
        self.assertIn("<translation>Retour</translation>", self.text().split("OtherView")[1])

    def test_malformed_input_is_reported_not_written(self):
        with open(self.todo, "w", encoding="utf-8") as f:
            f.write('{"context": "EraseView", "source": "About"\n')
        result = self.run_script("import", self.ts, self.todo)
        self.assertNotEqual(result.returncode, 0)
        self.assertNotIn("Traceback", result.stderr)
        self.assertEqual(self.text(), CATALOGUE)


if __name__ == "__main__":
    unittest.main()
