#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The translations as C++: each language of po/LINGUAS compiled by msgfmt
(which checks the PO file, its format and its access keys, and leaves out
empty and fuzzy entries, so that those show in English), then written as
a table of English and translated texts sorted by the English bytes, for a
binary search.
  catalogues.py OUT.hpp PO_DIR
  catalogues.py --json OUT_DIR PO_DIR   each language as OUT_DIR/CODE.json
                                        instead, an object from English to
                                        translated text, for the web page,
                                        which fetches only its language's
  catalogues.py --pairs OUT PO_FILE     one catalogue as English and translated
                                        text, each ended by a NUL, pair after
                                        pair, for tools/i18n/reports to read"""
import json
import os
import struct
import subprocess
import sys
import tempfile


def languages(po_dir):
    with open(os.path.join(po_dir, "LINGUAS"), encoding="utf-8") as f:
        return [word for line in f for word in line.split("#", 1)[0].split()]


def translations(po_path):
    """A PO file's translated entries, from what msgfmt makes of it."""
    with tempfile.TemporaryDirectory() as work:
        mo = os.path.join(work, "out.mo")
        subprocess.run(["msgfmt", "--check", "--check-accelerators=&", "--output-file", mo, po_path], check=True)
        data = open(mo, "rb").read()
    magic, _, count, originals, translated = struct.unpack("<5I", data[:20])
    if magic != 0x950412DE:
        sys.exit(f"{po_path}: msgfmt wrote no little-endian catalogue")

    def text(table, i):
        length, offset = struct.unpack("<2I", data[table + 8 * i:table + 8 * i + 8])
        return data[offset:offset + length]
    entries = {}
    for i in range(count):
        english, ours = text(originals, i), text(translated, i)
        if english == b"":
            continue  # the header
        if b"\x04" in english or b"\x00" in english:
            sys.exit(f"{po_path}: contexts and plural forms are not used here")
        entries[english] = ours
    return entries


def literal(data):
    """A C++ string literal of these UTF-8 bytes: printable ASCII as it is, every other byte in octal."""
    return '"' + "".join(chr(b) if 32 <= b < 127 and b not in b'"\\?' else f"\\{b:03o}" for b in data) + '"'


def write_json(out_dir, po_dir):
    os.makedirs(out_dir, exist_ok=True)
    for code in languages(po_dir):
        entries = {e.decode(): t.decode() for e, t in sorted(translations(os.path.join(po_dir, code + ".po")).items())}
        path = os.path.join(out_dir, code + ".json")
        with open(path + ".new", "w", encoding="utf-8") as f:
            json.dump(entries, f, ensure_ascii=False, separators=(",", ":"))
        os.replace(path + ".new", path)


def main():
    if sys.argv[1] == "--pairs":
        with open(sys.argv[2], "wb") as f:
            f.write(b"".join(e + b"\0" + t + b"\0" for e, t in sorted(translations(sys.argv[3]).items())))
        return
    if sys.argv[1] == "--json":
        write_json(sys.argv[2], sys.argv[3])
        return
    out, po_dir = sys.argv[1], sys.argv[2]
    codes = languages(po_dir)
    lines = ["// Written by tools/i18n/catalogues.py from po/*.po; not to be edited.",
             "#pragma once", "", "#include <array>", "#include <span>", "#include <string_view>", "",
             "namespace ardelin::view::catalogues {", "",
             "struct Entry {", "    std::string_view english;", "    std::string_view translated;", "};",
             "struct Catalogue {", "    std::string_view code;", "    std::span<const Entry> entries;  // by english", "};",
             ""]
    for code in codes:
        entries = translations(os.path.join(po_dir, code + ".po"))
        lines.append(f"inline constexpr std::array<Entry, {len(entries)}> k_{code}{{{{")
        lines += [f"    {{{literal(e)}, {literal(t)}}}," for e, t in sorted(entries.items())]
        lines.append("}};")
    lines.append(f"inline constexpr std::array<Catalogue, {len(codes)}> kCatalogues{{{{")
    lines += [f'    {{"{code}", k_{code}}},' for code in codes]
    lines.append("}};")
    lines.append(f"inline constexpr std::array<std::string_view, {len(codes)}> kCodes{{"
                 + ", ".join(f'"{code}"' for code in codes) + "};")
    lines += ["", "}  // namespace ardelin::view::catalogues", ""]
    with open(out + ".new", "w", encoding="ascii") as f:
        f.write("\n".join(lines))
    os.replace(out + ".new", out)


if __name__ == "__main__":
    main()
