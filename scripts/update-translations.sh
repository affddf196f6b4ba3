#!/usr/bin/env bash
# Refreshes the Qt Linguist sources in language/ from the texts in the code.
# The build only compiles these files (lrelease); it never rewrites them, so run this
# after adding or changing user-visible texts, then translate what German.ts marks unfinished.
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
"$lupdate_bin" -silent "${sources[@]}" "${common[@]}" -target-language de_DE -ts language/German.ts

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

total="$(grep -c '<message' language/German.ts || true)"
open="$(grep -c 'type="unfinished"' language/German.ts || true)"
echo "update-translations: $total messages; German.ts has $open unfinished"
