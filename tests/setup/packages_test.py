#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The table of packages scripts/setup installs from, against the files the
project's scripts, tests, tools and benchmarks name: a program or file
under /usr that no line of the table covers is one a fresh machine may
lack. Run: python3 tests/setup/packages_test.py"""
import fnmatch
import os
import re
import subprocess
import sys
import unittest

TOP = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
# A path under /usr that stands alone: not the tail of "$root/usr/..." inside
# a package being checked.
NAMED = re.compile(r"(?:^|(?<=[\s\"'=(;:,\[]))(/usr/(?:bin|lib|libexec|share|src|include)/[\w.+/-]*[\w+-])")
SCANNED = ("scripts/", "tests/", "tools/", "bench/", "cmake/", "fuzz/", ".ci/", "CMakePresets.json")


def named_paths():
    """Path -> the file naming it, in the sources as git or the source archive's list has them."""
    sys.path.insert(0, os.path.join(TOP, "tools", "release"))
    import archive  # the one list of the sources
    found = {}
    for name in archive.sources(TOP):
        if not name.startswith(SCANNED) or name in ("scripts/setup", "tests/setup/packages_test.py"):
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
    def test_every_path_the_project_names_has_its_package(self):
        # Every group: scripts/test's (all) and scripts/test-systems' (systems).
        table = "".join(subprocess.run([os.path.join(TOP, "scripts", "setup"), "--table", what], check=True,
                                       capture_output=True, text=True).stdout for what in ("all", "systems"))
        patterns = [f for line in table.splitlines() for f in line.split()[2:]]
        # A table file, a file a table pattern matches, or a folder that holds a table file.
        missing = {path: where for path, where in named_paths().items()
                   if not any(fnmatch.fnmatchcase(path, p) or p.startswith(path + "/") for p in patterns)}
        self.assertEqual(missing, {}, "add each file with its package to the table in scripts/setup")


if __name__ == "__main__":
    unittest.main()
