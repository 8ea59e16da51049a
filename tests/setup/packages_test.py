#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/packages, the table scripts/setup installs from, against the
files the project's scripts, tests, tools and benchmarks name: a program or
file under /usr that no line of the table covers is one a fresh machine may
lack. Run: python3 tests/setup/packages_test.py"""
import fnmatch
import os
import re
import subprocess
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
    files = subprocess.run(["git", "-C", TOP, "ls-files", "-z", "--", *SCANNED], check=True,
                           capture_output=True).stdout.decode().split("\0")
    found = {}
    for name in filter(None, files):
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

    def test_coverage_rule(self):
        rows = [("tests", "firefox-esr", ["/usr/bin/firefox-esr"]),
                ("tests", "fonts-wine", ["/usr/share/wine/fonts/tahoma.ttf"]),
                ("tests", "libclang-rt-14-dev", ["/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.asan-x86_64.a"])]
        for path, covered in [("/usr/bin/firefox-esr", True),
                              ("/usr/bin/firefox", False),                 # a prefix of a file is no cover
                              ("/usr/share/wine/fonts", True),             # the folder a listed file is in
                              ("/usr/share/wine/fonts/courier.ttf", False),
                              ("/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.asan-x86_64.a", True),
                              ("/usr/bin/chromium", False)]:
            with self.subTest(path=path):
                self.assertEqual(path not in uncovered({path: "x"}, rows), covered)

    def test_malformed_lines_fail(self):
        for line in ["test cmake /usr/bin/cmake",      # no such group
                     "build cmake",                    # no file
                     "build cmake usr/bin/cmake"]:     # not absolute
            with self.subTest(line=line), self.assertRaises(ValueError):
                table(line)

    def test_names_found_in_text(self):
        text = ('exec /usr/bin/python3 x\n"$root/usr/bin/ardelin"\nPATH=/usr/share/nodejs;\n'
                'executablePath: "/usr/bin/firefox-esr",')
        self.assertEqual(NAMED.findall(text), ["/usr/bin/python3", "/usr/share/nodejs", "/usr/bin/firefox-esr"])


if __name__ == "__main__":
    unittest.main()
