#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The documents' check: the project's own Markdown passes it, and a tree
with a planted broken link, heading, path and preset fails it at each, and
only there.
Usage: check_docs_test.py ROOT"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = None
PLANTED = """# Planted
A link that resolves: [a part](docs/a.md#a-part), a picture: ![icon](docs/a.md).
A link to nothing: [gone](docs/gone.md).
A heading that is not there: [nowhere](docs/a.md#nowhere).
Paths: `scripts/run`, `scripts/setup window`, `po/CODE.po`, `tools/missing.py`.
```sh
cmake --preset gcc-release
cmake --preset nonesuch
```
Built by the `wasm2` preset.
"""


def run(root, *files):
    checker = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "docs", "check_docs.py")
    return subprocess.run([sys.executable, checker, root, *files], capture_output=True, text=True)


class CheckDocs(unittest.TestCase):
    def test_the_projects_documents(self):
        result = run(ROOT)
        self.assertEqual((result.returncode, result.stdout), (0, ""))

    def test_planted_faults(self):
        with tempfile.TemporaryDirectory() as tree:
            os.makedirs(os.path.join(tree, "docs"))
            os.makedirs(os.path.join(tree, "scripts"))
            for name, text in (("docs/a.md", "# A part\n"), ("scripts/run", ""), ("scripts/setup", ""),
                               ("README.md", PLANTED),
                               ("CMakePresets.json", json.dumps({"configurePresets": [{"name": "gcc-release"}]}))):
                with open(os.path.join(tree, name), "w", encoding="utf-8") as f:
                    f.write(text)
            result = run(tree, os.path.join(tree, "README.md"))
        self.assertEqual(result.returncode, 1)
        self.assertEqual(sorted(result.stdout.splitlines()), sorted([
            "README.md:3: link to docs/gone.md: no such file",
            "README.md:4: link to docs/a.md#nowhere: no such heading",
            "README.md:5: `tools/missing.py`: tools/missing.py does not exist",
            "README.md:8: preset nonesuch is not in CMakePresets.json",
            "README.md:10: preset wasm2 is not in CMakePresets.json",
        ]))


if __name__ == "__main__":
    ROOT = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=2)
