#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The source archive's one list of files: archived from git it holds the
tracked files and its own, listed with their digests; unpacked, cluttered
as tests and builds clutter a tree, and archived again, it is the same to
the bit. Run: archive_test.py"""
import hashlib
import os
import subprocess
import sys
import tarfile
import tempfile
import unittest

ARCHIVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "release", "archive.py")
TRACKED = {"README.md": b"Ardelin\n", "scripts/run": b"#!/bin/sh\n", "src/calc/numbers.cpp": b"int x;\n"}
# What a web test, an npm install, a build in a folder of any name and an
# editor leave in a tree: none of it is source.
CLUTTER = ["tests/web/node_modules/axe-core/axe.js", "tools/web/__pycache__/serve.cpython-311.pyc",
           "out-of-tree/CMakeCache.txt", "build/wasm/site/index.html", "src/calc/numbers.cpp~"]


def write(top, name, data=b"x\n", mode=0o644):
    path = os.path.join(top, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    os.chmod(path, mode)


def archive(top, out):
    subprocess.run([sys.executable, ARCHIVE, "source", out, top, "ardelin-1.0.0", "1765238400", "0123abcd"], check=True)
    with open(out, "rb") as f:
        return f.read()


class SourceArchiveTest(unittest.TestCase):
    def test_from_git_and_again_from_its_cluttered_unpacking(self):
        with tempfile.TemporaryDirectory() as work:
            git = os.path.join(work, "git")
            for name, data in TRACKED.items():
                write(git, name, data, 0o755 if name.startswith("scripts/") else 0o644)
            write(git, "untracked.txt")
            run = ["git", "-C", git, "-c", "user.name=t", "-c", "user.email=t@t"]
            subprocess.run(run + ["init", "-q"], check=True)
            subprocess.run(run + ["add", *TRACKED], check=True)
            subprocess.run(run + ["commit", "-qm", "x"], check=True)
            first = archive(git, os.path.join(work, "first.tar.gz"))

            with tarfile.open(os.path.join(work, "first.tar.gz")) as tar:
                files = sorted(m.name for m in tar.getmembers() if m.isfile())
                listed = tar.extractfile("ardelin-1.0.0/SOURCES").read().decode()
                mode = tar.getmember("ardelin-1.0.0/scripts/run").mode
            own = ["SOURCES", "SOURCE_COMMIT", "SOURCE_DATE_EPOCH"]
            self.assertEqual(files, sorted(f"ardelin-1.0.0/{n}" for n in [*TRACKED, *own]))
            self.assertEqual(listed.splitlines(),
                             [f"{hashlib.sha256(TRACKED[n]).hexdigest()}  {n}" for n in sorted(TRACKED)])
            self.assertEqual(mode, 0o755)

            unpacked = os.path.join(work, "a", "deeper", "path")
            os.makedirs(unpacked)
            subprocess.run(["tar", "-xzf", os.path.join(work, "first.tar.gz"), "-C", unpacked], check=True)
            tree = os.path.join(unpacked, "ardelin-1.0.0")
            for name in CLUTTER:
                write(tree, name)
            self.assertEqual(archive(tree, os.path.join(work, "again.tar.gz")), first)


if __name__ == "__main__":
    unittest.main()
