#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/packages, the table scripts/setup installs from, against the
files the project's scripts, tests, tools and benchmarks name: a program or
file under /usr that no line of the table covers is one a fresh machine may
lack. Run: python3 tests/setup/packages_test.py"""
import fnmatch
import os
import re
import sys
import unittest

TOP = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
GROUPS = {"base", "build", "web", "windows", "deb", "tests"}
# A path under /usr that stands alone: not the tail of "$root/usr/..." inside
# a package being checked.
NAMED = re.compile(r"(?:^|(?<=[\s\"'=(;:,\[]))(/usr/(?:bin|lib|libexec|share|src|include)/[\w.+/-]*[\w+-])")
SCANNED = ("scripts/", "tests/", "tools/", "bench/", "cmake/", "fuzz/", ".ci/", "CMakePresets.json")


def table(text):
    """(group, package, [files]) for each line, failing on a malformed one."""
    rows = []
    for number, line in enumerate(text.splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        group, package, *files = line.split()
        if group not in GROUPS or not files or not all(f.startswith("/") for f in files):
            raise ValueError(f"scripts/packages:{number}: {line}")
        rows.append((group, package, files))
    return rows


def uncovered(named, rows):
    """The paths of NAMED (path -> where) that are no table file, match no
    table pattern and hold none in a folder below them."""
    patterns = [f for _, _, files in rows for f in files]
    return {path: where for path, where in named.items()
            if not any(fnmatch.fnmatchcase(path, p) or p.startswith(path + "/") for p in patterns)}


def named_paths():
    """Path -> the file naming it, in the sources as git or the source archive's list has them."""
    sys.path.insert(0, os.path.join(TOP, "tools", "release"))
    import archive  # the one list of the sources
    files = [n for n in archive.sources(TOP) if n.startswith(SCANNED)]
    found = {}
    for name in files:
        if name in ("scripts/packages", "tests/setup/packages_test.py"):
            continue
        try:
            with open(os.path.join(TOP, name), encoding="utf-8") as f:
                text = f.read()
        except (UnicodeDecodeError, FileNotFoundError):
            continue
        for path in NAMED.findall(text):
            if "ardelin" not in path:  # Ardelin's own installed files, as the package checks name them
                found.setdefault(path, name)
    return found


class PackagesTest(unittest.TestCase):
    def setUp(self):
        with open(os.path.join(TOP, "scripts", "packages"), encoding="utf-8") as f:
            self.rows = table(f.read())

    def test_every_path_the_project_names_has_its_package(self):
        missing = uncovered(named_paths(), self.rows)
        self.assertEqual(missing, {}, "add each file with its package to scripts/packages")

    def test_malformed_lines_fail(self):
        for line in ["test cmake /usr/bin/cmake",      # no such group
                     "build cmake",                    # no file
                     "build cmake usr/bin/cmake"]:     # not absolute
            with self.subTest(line=line), self.assertRaises(ValueError):
                table(line)


if __name__ == "__main__":
    unittest.main()
