#!/usr/bin/env bash
# Refreshes the Qt Linguist sources in language/ from the texts in the code.
# The build only compiles these files (lrelease); it never rewrites them, so run this
# after adding or changing user-visible texts, then translate what each catalogue marks
# unfinished (scripts/translation-delta.py moves them out to a compact file and back).
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate_bin="$(command -v lupdate || true)"
[ -n "$lupdate_bin" ] || lupdate_bin=/usr/lib/qt5/bin/lupdate
[ -x "$lupdate_bin" ] || { echo "update-translations: lupdate is missing (scripts/deps.sh installs it)" >&2; exit 1; }

# The code that ships. Tests, tools, the device simulator and build folders hold no
# user-visible texts of the program.
sources=(base app widgets services features freeup erase device engine)

# No source locations: they would change the files on every edit of an unrelated line.
common=(-locations none -no-obsolete -source-language en)
"$lupdate_bin" -silent "${sources[@]}" "${common[@]}" -target-language en_GB -ts language/English.ts
# File name (the English language name the program loads) and the locale lupdate records.
translated=(
  German:de_DE Chinese:zh_CN Spanish:es_ES Italian:it_IT French:fr_FR
  Japanese:ja_JP Portuguese:pt_PT Dutch:nl_NL
)
for entry in "${translated[@]}"; do
  "$lupdate_bin" -silent "${sources[@]}" "${common[@]}" -target-language "${entry#*:}" -ts "language/${entry%%:*}.ts"
done

# The source texts are English already: every English message translates to its own
# source text, so English.qm holds every message and changes nothing when loaded.
perl -0777 -i -pe '
  s{(<message\b[^>]*>.*?</message>)}{
    my $m = $1;
    if ($m =~ m{<translation type="unfinished"}) {
      my ($src) = $m =~ m{<source>(.*?)</source>}s;
      if ($m =~ m{<numerusform>}) {
        $m =~ s{<numerusform>.*?</numerusform>}{<numerusform>$src</numerusform>}gs;
        $m =~ s{<translation type="unfinished">}{<translation>};
      } else {
        $m =~ s{<translation type="unfinished">.*?</translation>}{<translation>$src</translation>}s;
      }
    }
    $m
  }gse;
' language/English.ts

for entry in "${translated[@]}"; do
  ts="language/${entry%%:*}.ts"
  echo "update-translations: $ts has $(grep -c '<message' "$ts" || true) messages, $(grep -c 'type="unfinished"' "$ts" || true) unfinished"
done
