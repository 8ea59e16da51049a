#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every catalogue under po/, as translators and the program need it: listed
in LINGUAS and the other way round; accepted by msgfmt --check with its
access-key check; every entry of the template there, translated and not
fuzzy; every placeholder of the English text, and no other; one
access key in each caption, and three different keys for the three buttons,
in Japanese and Chinese a Latin letter in parentheses after the caption; a
direction that is one of the two there are; a thousands separator the
program can read; keywords that end with ';' and keep every English one.
Usage: catalogue_test.py PO_DIR"""
import os
import re
import subprocess
import sys
import unittest

PO_DIR = None
CAPTIONS = ("&Beam Width", "&Lower limit", "&Convert")
KEY_AFTER_CAPTION = ("ja", "zh_CN")  # "ビーム幅(&B)"


def unquote(text):
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def entries(path):
    """Each entry of a PO file: its comments, flags, English and translation."""
    found, entry, field = [], None, None
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines() + [""]:
            if not line.strip():
                if entry and entry["msgid"]:  # not the header, nor an obsolete entry
                    found.append(entry)
                entry, field = None, None
                continue
            entry = entry or {"comments": "", "flags": "", "msgid": None, "msgstr": None}
            if line.startswith("#."):
                entry["comments"] += line[2:] + "\n"
            elif line.startswith("#,"):
                entry["flags"] += line[2:]
            elif line.startswith(("msgid ", "msgstr ")):
                field, text = line.split(" ", 1)
                entry[field] = unquote(text[1:-1])
            elif line.startswith('"') and field:
                entry[field] += unquote(line[1:-1])
    return found


def placeholders(text):
    return set(re.findall(r"%[1-9]", text))


class Catalogues(unittest.TestCase):
    def languages(self):
        with open(os.path.join(PO_DIR, "LINGUAS"), encoding="utf-8") as f:
            return [word for line in f for word in line.split("#", 1)[0].split()]

    def test_listed_and_present(self):
        present = sorted(n[:-3] for n in os.listdir(PO_DIR) if n.endswith(".po"))
        self.assertEqual(sorted(self.languages()), present)

    def test_each_catalogue(self):
        template = {e["msgid"]: e for e in entries(os.path.join(PO_DIR, "ardelin.pot"))}
        for code in self.languages():
            with self.subTest(code):
                path = os.path.join(PO_DIR, code + ".po")
                checked = subprocess.run(["msgfmt", "--check", "--check-accelerators=&", "-o", os.devnull, path],
                                         capture_output=True, text=True)
                self.assertEqual(checked.returncode, 0, checked.stderr)
                ours = {e["msgid"]: e for e in entries(path)}
                self.assertEqual(sorted(set(template) - set(ours)), [], "entries the template has and this lacks")
                self.assertEqual([e for e in ours if "fuzzy" in ours[e]["flags"] or ours[e]["msgstr"] == ""], [],
                                 "entries fuzzy or untranslated")
                for english, e in ours.items():
                    self.assertEqual(placeholders(e["msgstr"]), placeholders(english), english)
                keys = []
                for caption in CAPTIONS:
                    translated = ours[caption]["msgstr"]
                    self.assertEqual(translated.count("&"), 1, translated)
                    keys.append(translated[translated.index("&") + 1].lower())
                    if code in KEY_AFTER_CAPTION:
                        self.assertRegex(translated, r"^[^&]+\(&[A-Z]\)$")
                self.assertEqual(len(set(keys)), 3, f"access keys {keys}")
                self.assertIn(ours["default:LTR"]["msgstr"], ("default:LTR", "default:RTL"))
                self.assertRegex(ours["default:group=U+202F"]["msgstr"], r"^default:group=(U\+202F|U\+00A0|U\+2009|none|[.,'])$")
                for english, e in ours.items():
                    if re.fullmatch(r"([^; ]+;)+", english):  # the desktop entry's keywords
                        self.assertTrue(e["msgstr"].endswith(";"), english)
                        self.assertLessEqual(set(english.split(";")), set(e["msgstr"].split(";")), "English keywords")


if __name__ == "__main__":
    PO_DIR = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=2)
