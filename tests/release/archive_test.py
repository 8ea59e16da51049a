#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The source archive's one list of files: archived from git, unpacked,
cluttered as tests and builds clutter a tree, and archived again, it is the
same to the bit; its SOURCES tells a changed file. Run: archive_test.py"""
import hashlib
import os
import subprocess
import sys
import tarfile
import tempfile
import unittest

ARCHIVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "release", "archive.py")
EPOCH, COMMIT = "1765238400", "0123456789abcdef0123456789abcdef01234567"
TRACKED = {"README.md": b"Ardelin\n", "scripts/run": b"#!/bin/sh\n", "src/calc/numbers.cpp": b"int x;\n",
           "tests/web/package.json": b"{}\n"}
# What a web test, an npm install, a build in a folder of any name and an
# editor leave in a tree: none of it is source.
CLUTTER = ["tests/web/node_modules/axe-core/axe.js", "tools/web/__pycache__/serve.cpython-311.pyc",
           "out-of-tree/CMakeCache.txt", "build/wasm/site/index.html", "src/calc/numbers.cpp~", "dist/SHA256SUMS"]


def write(top, name, data=b"x\n", mode=0o644):
    path = os.path.join(top, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    os.chmod(path, mode)


def archive(top, out):
    return subprocess.run([sys.executable, ARCHIVE, "source", out, top, "ardelin-1.0.0", EPOCH, COMMIT],
                          capture_output=True, text=True)


class SourceArchiveTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.addCleanup(self.work.cleanup)
        self.git = os.path.join(self.work.name, "git")
        for name, data in TRACKED.items():
            write(self.git, name, data, 0o755 if name.startswith("scripts/") else 0o644)
        write(self.git, "untracked.txt")
        git = ["git", "-C", self.git, "-c", "user.name=t", "-c", "user.email=t@t"]
        subprocess.run(git[:3] + ["init", "-q"], check=True)
        subprocess.run(git + ["add", *TRACKED], check=True)
        subprocess.run(git + ["commit", "-qm", "x"], check=True)
        self.first = os.path.join(self.work.name, "first.tar.gz")
        self.assertEqual(archive(self.git, self.first).returncode, 0)

    def unpack(self, name):
        os.makedirs(os.path.join(self.work.name, name))
        subprocess.run(["tar", "-xzf", self.first, "-C", os.path.join(self.work.name, name)], check=True)
        return os.path.join(self.work.name, name, "ardelin-1.0.0")

    def test_from_git_holds_the_tracked_files_and_its_own(self):
        with tarfile.open(self.first) as tar:
            files = sorted(m.name for m in tar.getmembers() if m.isfile())
            listed = tar.extractfile("ardelin-1.0.0/SOURCES").read().decode()
            mode = tar.getmember("ardelin-1.0.0/scripts/run").mode
        own = ["SOURCES", "SOURCE_COMMIT", "SOURCE_DATE_EPOCH"]
        self.assertEqual(files, sorted(f"ardelin-1.0.0/{n}" for n in [*TRACKED, *own]))
        self.assertEqual(listed.splitlines(), [f"{hashlib.sha256(TRACKED[n]).hexdigest()}  {n}" for n in sorted(TRACKED)])
        self.assertEqual(mode, 0o755)

    def test_unpacked_and_cluttered_archives_the_same_bytes(self):
        tree = self.unpack("a/deeper/path")
        for name in CLUTTER:
            write(tree, name)
        again = os.path.join(self.work.name, "again.tar.gz")
        self.assertEqual(archive(tree, again).returncode, 0)
        with open(self.first, "rb") as a, open(again, "rb") as b:
            self.assertEqual(a.read(), b.read())

    def test_sources_tells_a_changed_tree(self):
        tree = self.unpack("checked")
        clean = subprocess.run(["sha256sum", "--quiet", "-c", "SOURCES"], cwd=tree, capture_output=True, text=True)
        self.assertEqual((clean.returncode, clean.stdout), (0, ""))
        write(tree, "src/calc/numbers.cpp", b"int y;\n")
        changed = subprocess.run(["sha256sum", "--quiet", "-c", "SOURCES"], cwd=tree, capture_output=True, text=True)
        self.assertNotEqual(changed.returncode, 0)
        self.assertIn("src/calc/numbers.cpp: FAILED", changed.stdout)

    def test_no_git_and_no_list_fails(self):
        bare = os.path.join(self.work.name, "bare")
        write(bare, "README.md")
        result = archive(bare, os.path.join(self.work.name, "bare.tar.gz"))
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("neither git nor SOURCES", result.stderr)


if __name__ == "__main__":
    unittest.main()
