#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What tools/i18n/reports prints in every language: each case of the report
table once, in the table's order, with its report; none left as English's;
numbers with the language's usual decimal separator; an unknown language
refused. Usage: reports_test.py PROGRAM PO_DIR"""
import os
import subprocess
import sys
import unittest

PROGRAM, PO_DIR = sys.argv[1], sys.argv[2]


def reports(code):
    out = subprocess.run([PROGRAM, code], capture_output=True, text=True, check=True).stdout
    return [tuple(line.split("\t")) for line in out.splitlines()]


class Reports(unittest.TestCase):
    def test_every_language(self):
        english = reports("en")
        names = [name for name, _ in english]
        self.assertGreater(len(names), 30)
        self.assertEqual(len(set(names)), len(names))
        with open(os.path.join(PO_DIR, "LINGUAS"), encoding="utf-8") as f:
            codes = [word for line in f for word in line.split("#", 1)[0].split()]
        for code in codes:
            with self.subTest(code):
                shown = reports(code)
                self.assertEqual([name for name, _ in shown], names)
                self.assertEqual([name for (name, text), (_, same) in zip(shown, english) if text == same], [],
                                 "reports left in English")

    def test_the_languages_separator(self):
        # A case written in a comma locale reads with a point in English; one about the separator keeps its own.
        english, german = dict(reports("en")), dict(reports("de"))
        self.assertIn("4.509E+10", english["tiny dish, comma locale"])
        self.assertIn("4,509E+10", german["tiny dish, comma locale"])
        self.assertIn("\u201C0.21\u201D", english["point in a comma locale"])
        self.assertIn("3,4E+38", german["field beyond single"])

    def test_unknown_language(self):
        run = subprocess.run([PROGRAM, "tlh"], capture_output=True, text=True)
        self.assertEqual(run.returncode, 2)
        self.assertIn("de", run.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
