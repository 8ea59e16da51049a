#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What tools/i18n/reports prints in every language: each case of the report
table once, in the table's order, with its report; none left as English's;
numbers with the language's usual decimal separator; an unknown language
refused. Then the faults a reader would see in a filled-in report: a
placeholder left unfilled, an English word, a space beside Japanese or
Chinese text, a number or quote not isolated in Hebrew, the prompt's label
named twice, a kind other than the report's own, thousands set apart
otherwise than the catalogue says.
Usage: reports_test.py PROGRAM PO_DIR [LANG…]
Each catalogue is read from PO_DIR as it is, so a translator may run this
on a catalogue being written, for the languages given (all of LINGUAS by
default)."""
import functools
import os
import re
import subprocess
import sys
import tempfile
import unittest

PROGRAM, PO_DIR = sys.argv[1], sys.argv[2]
CATALOGUES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "i18n", "catalogues.py")

with open(os.path.join(PO_DIR, "LINGUAS"), encoding="utf-8") as f:
    CODES = [word for line in f for word in line.split("#", 1)[0].split()]
CODES = [code for code in CODES if code in sys.argv[3:]] if sys.argv[3:] else CODES

WORK = tempfile.TemporaryDirectory()


def pairs(code):
    """The catalogue as the printer reads it (catalogues.py --pairs), written once."""
    path = os.path.join(WORK.name, code)
    if not os.path.exists(path):
        subprocess.run([sys.executable, CATALOGUES, "--pairs", path, os.path.join(PO_DIR, code + ".po")], check=True)
    return path


@functools.lru_cache(maxsize=None)
def entries(code):
    """The catalogue's translated entries, as msgfmt keeps them (no fuzzy or empty one)."""
    texts = open(pairs(code), "rb").read().decode().split("\0")[:-1]
    return dict(zip(texts[0::2], texts[1::2]))


def reports(code):
    out = subprocess.run([PROGRAM, code] + ([] if code == "en" else [pairs(code)]), capture_output=True, text=True,
                         check=True).stdout
    return [tuple(line.split("\t")) for line in out.splitlines()]


def tr(code, english):
    return english if code == "en" else entries(code).get(english, english)


def unquoted(code, text):
    """The report without the texts it quotes (a user's text, a label)."""
    before, _, after = tr(code, "\u201C%1\u201D").partition("%1")
    return re.sub(re.escape(before) + ".*?" + re.escape(after), " ", text)


KINDS = ["Conversion error", "Overflow", "Division by zero", "Invalid argument"]
# Words a language shares with English, its own terms as well.
SHARED = {"de": {"argument", "division"}, "es": {"decimal", "error"},
          "fr": {"argument", "conversion", "division", "fluctuation", "flux", "large", "point"},
          "it": {"antenna", "area", "overflow", "temperature", "zero"}, "nl": {"argument", "flux", "product"},
          "pt_BR": {"decimal", "zero"}, "ru": set(), "ja": set(), "zh_CN": set(), "he": set()}
CJK = "\u3000-\u30FF\u3400-\u9FFF\uFF00-\uFFEF"
ISOLATE_OPEN, ISOLATE_CLOSE = "\u2066\u2067\u2068", "\u2069"


class Reports(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.english = reports("en")
        cls.shown = {code: reports(code) for code in CODES}

    def test_every_language(self):
        names = [name for name, _ in self.english]
        self.assertGreater(len(names), 30)
        self.assertEqual(len(set(names)), len(names))
        for code in CODES:
            with self.subTest(code):
                shown = self.shown[code]
                self.assertEqual([name for name, _ in shown], names)
                self.assertEqual([name for (name, text), (_, same) in zip(shown, self.english) if text == same], [],
                                 "reports left in English")

    def test_the_languages_separator(self):
        # A case written in a comma locale reads with a point in English; one about the separator keeps its own.
        if "de" not in CODES:
            self.skipTest("German not asked for")
        english, german = dict(self.english), dict(self.shown["de"])
        self.assertIn("4.509E+10", english["tiny dish, comma locale"])
        self.assertIn("4,509E+10", german["tiny dish, comma locale"])
        self.assertIn("\u201C0.21\u201D", english["point in a comma locale"])
        self.assertIn("3,4E+38", german["field beyond single"])

    def test_unknown_language(self):
        run = subprocess.run([PROGRAM, "tlh"], capture_output=True, text=True)
        self.assertEqual(run.returncode, 2)
        self.assertIn("de", run.stderr)

    def test_no_placeholder_left(self):
        for code in CODES:
            with self.subTest(code):
                self.assertEqual([name for name, text in self.shown[code] if re.search(r"%[0-9]", text)], [])

    def test_no_english_word(self):
        vocabulary = {w.lower() for _, text in self.english for w in re.findall(r"[A-Za-z]{4,}", unquoted("en", text))}
        for code in CODES:
            with self.subTest(code):
                found = {name: sorted(set(w.lower() for w in re.findall(r"[A-Za-z]{4,}", unquoted(code, text)))
                                      & vocabulary - SHARED[code])
                         for name, text in self.shown[code]}
                self.assertEqual({name: words for name, words in found.items() if words}, {})

    def test_each_report_names_its_kind_first(self):
        kinds = {name: next(k for k in KINDS if text.startswith(k)) for name, text in self.english}
        for code in CODES:
            with self.subTest(code):
                wrong = [name for name, text in self.shown[code]
                         if not text.lstrip("\u200F\u2067\u2068").startswith(tr(code, kinds[name]))]
                self.assertEqual(wrong, [])

    def test_no_space_beside_japanese_or_chinese(self):
        for code in [c for c in ("ja", "zh_CN") if c in CODES]:
            with self.subTest(code):
                wrong = {name: re.findall(f".?[{CJK}] |.? [{CJK}].?", unquoted(code, text).replace(" ", "\0"))
                         for name, text in self.shown[code]}
                self.assertEqual({name: found for name, found in wrong.items() if found}, {})

    def test_hebrew_isolates_numbers_and_quotes(self):
        if "he" not in CODES:
            self.skipTest("Hebrew not asked for")
        before, _, after = tr("he", "\u201C%1\u201D").partition("%1")
        self.assertTrue(before.endswith(tuple(ISOLATE_OPEN)) and after.startswith(ISOLATE_CLOSE), "quotes isolated")
        for name, text in self.shown["he"]:
            depth, bare = 0, []
            for i, ch in enumerate(text):
                depth += ch in ISOLATE_OPEN
                depth -= ch == ISOLATE_CLOSE
                if ch.isdigit() and depth < 1:
                    bare.append(text[max(0, i - 8):i + 8])
            with self.subTest(name):
                self.assertEqual(depth, 0, "isolates closed")
                self.assertEqual(bare, [], "digits outside an isolate")

    def test_prompt_names_its_label_once(self):
        for code in ["en"] + CODES:
            with self.subTest(code):
                label = tr(code, "Wavelength (m)")
                text = dict(self.english if code == "en" else self.shown[code])["prompt"]
                self.assertEqual(text.count(label), 1, text)

    def test_thousands_as_the_catalogue_says(self):
        # Every number of a sentence grouped alike: the flux and the limit it passed.
        groups = {"U+202F": "\u202F", "U+00A0": "\u00A0", "none": ""}
        for code in ["en"] + CODES:
            with self.subTest(code):
                said = tr(code, "default:group=U+202F").removeprefix("default:group=")
                group = groups.get(said, said)
                if group == ",":  # the usual decimal separator of this language is then the point
                    self.assertNotIn(code, ("de", "es", "fr", "it", "nl", "pt_BR", "ru"))
                text = dict(self.english if code == "en" else self.shown[code])["half-metre dish"]
                self.assertIn(f"45{group}095", text)
                self.assertIn(f"32{group}767", text)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
