#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what the Markdown documents point at: every relative link and
picture resolves (a file or folder, and a heading for a #fragment); every
path of the project's that a code span names (scripts/…, tools/…, docs/…
and the other top folders) exists; every preset named (`--preset NAME`, "the
`NAME` preset", a row of a presets table) is one of CMakePresets.json.
Prints each miss as FILE:LINE: what, and exits 1 on any.
Usage: check_docs.py ROOT [FILE.md...]   (default: README.md, HACKING.md, docs/*.md)"""
import glob
import json
import os
import re
import sys

TOP = ("scripts/", "tools/", "docs/", "tests/", "src/", "packaging/", "po/", "cmake/", "bench/", "fuzz/", ".ci/")
LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)\)")
SPAN = re.compile(r"`([^`\n]+)`")
PRESET = (re.compile(r"--preset[ =]+([A-Za-z0-9_-]+)"), re.compile(r"`([a-z0-9-]+)` presets?\b"),
          re.compile(r"^\| `([a-z0-9-]+)`(?:, `([a-z0-9-]+)`)*(?:, `([a-z0-9-]+)`)? \|", re.M))
PLACEHOLDER = re.compile(r"^[A-Z][A-Z_]*(\.[a-z]+)?$")  # po/CODE.po, build/PRESET


def slug(heading):
    """A heading's fragment as GitHub makes it."""
    text = re.sub(r"[`*_]", "", heading.strip().lower())
    return re.sub(r"[^\w\- ]", "", text).replace(" ", "-")


def headings(path):
    with open(path, encoding="utf-8") as f:
        text = re.sub(r"(?ms)^```.*?^```", "", f.read())
    return {slug(m.group(1)) for m in re.finditer(r"(?m)^#{1,6} (.+)$", text)}


def presets(root):
    with open(os.path.join(root, "CMakePresets.json"), encoding="utf-8") as f:
        return {p["name"] for p in json.load(f)["configurePresets"]}


def check(root, path, known):
    misses = []
    with open(path, encoding="utf-8") as f:
        text = f.read()
    line_of = lambda at: text.count("\n", 0, at) + 1  # noqa: E731
    prose = re.sub(r"(?ms)^```.*?^```", lambda m: "\n" * m.group(0).count("\n"), text)
    for m in LINK.finditer(prose):
        target = m.group(1)
        if re.match(r"^[a-z]+:", target):
            continue  # https:, mailto:
        file_part, _, fragment = target.partition("#")
        resolved = os.path.normpath(os.path.join(os.path.dirname(path), file_part)) if file_part else path
        if not os.path.exists(resolved):
            misses.append((line_of(m.start()), f"link to {target}: no such file"))
        elif fragment and resolved.endswith(".md") and fragment not in headings(resolved):
            misses.append((line_of(m.start()), f"link to {target}: no such heading"))
    for m in SPAN.finditer(prose):
        words = m.group(1).split()
        name = words[0].rstrip(".,;:)") if words else ""
        if not name.startswith(TOP) or any(c in name for c in "*…{<$"):
            continue
        if not os.path.exists(os.path.join(root, name)) and \
                not any(PLACEHOLDER.match(part) for part in name.split("/")):
            misses.append((line_of(m.start()), f"`{m.group(1)}`: {name} does not exist"))
    for pattern in PRESET:
        for m in pattern.finditer(text):
            for name in filter(None, m.groups()):
                if name not in known and not PLACEHOLDER.match(name) and name not in ("P", "preset"):
                    misses.append((line_of(m.start()), f"preset {name} is not in CMakePresets.json"))
    return misses


def main():
    root = os.path.abspath(sys.argv[1])
    files = sys.argv[2:] or [os.path.join(root, n) for n in ("README.md", "HACKING.md")] + \
        sorted(glob.glob(os.path.join(root, "docs", "*.md")))
    known = presets(root)
    failed = False
    for path in files:
        for line, what in check(root, path, known):
            print(f"{os.path.relpath(path, root)}:{line}: {what}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
