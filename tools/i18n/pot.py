#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The translators' template, po/ardelin.pot, made by xgettext from every
text marked N_("…") in src/, every t("…") of the web page's scripts, the
desktop entry's names and comment and the AppStream metainfo (by Ardelin's
own ITS rules, packaging/its), with the "TRANSLATORS:" comments before them.
  pot.py write ROOT         writes ROOT/po/ardelin.pot anew
  pot.py check ROOT STAMP   fails unless the template is current (its date
                            aside), so that a text the code shows and the
                            template lacks stops the build; else touches STAMP"""
import os
import subprocess
import sys
import tempfile


def sources(root):
    found = []
    for folder, _, names in os.walk(os.path.join(root, "src")):
        found += [os.path.relpath(os.path.join(folder, n), root) for n in names if n.endswith((".cpp", ".hpp"))]
    return sorted(found)


METAINFO_ITS = "packaging/its/ardelin-metainfo.its"


def template(root):
    common = ["--from-code=UTF-8", "--add-comments=TRANSLATORS:", "--add-location=file", "--package-name=Ardelin",
              "--no-wrap", "--msgid-bugs-address=maintainers@users.noreply.c-seed-5ca61071.example"]
    runs = [["--language=C++", "--keyword", "--keyword=N_"] + sources(root),
            ["--language=JavaScript", "--keyword", "--keyword=t:1", "src/window/web/ardelin.js",
             "src/window/web/notes.js"],
            ["--language=Desktop", "packaging/desktop.in"],
            [f"--its={METAINFO_ITS}", "packaging/metainfo.xml.in"]]
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "ardelin.pot")
        for i, run in enumerate(runs):
            subprocess.run(["xgettext"] + common + (["--join-existing"] if i else []) + [f"--output={out}"] + run,
                           cwd=root, check=True)
        with open(out, encoding="utf-8") as f:
            return f.read()


HEADER = ("# The English texts of Ardelin, the template of every translation.\n"
          "# This file is distributed under the same licence as Ardelin, GPL-3.0-or-later.\n#\n")


def titled(text):
    """The template with its own first lines in place of xgettext's placeholders."""
    return HEADER + text[text.index("#, fuzzy"):]


def dateless(text):
    return [line for line in text.splitlines() if not line.startswith('"POT-Creation-Date:')]


def main():
    mode, root = sys.argv[1], sys.argv[2]
    path = os.path.join(root, "po", "ardelin.pot")
    made = titled(template(root))
    if mode == "write":
        with open(path, "w", encoding="utf-8") as f:
            f.write(made)
        return 0
    with open(path, encoding="utf-8") as f:
        current = f.read()
    if dateless(current) != dateless(made):
        print("po/ardelin.pot is not the template of the texts in src/: run tools/i18n/pot.py write . "
              "and merge it into each PO file (msgmerge --update po/LANG.po po/ardelin.pot)", file=sys.stderr)
        return 1
    with open(sys.argv[3], "w", encoding="utf-8"):
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
