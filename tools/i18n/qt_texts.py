#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The texts Qt itself shows in Ardelin's window, in one language, from Qt's
own catalogue as the system has it: the fields' context menu and its
shortcuts' key names (Ctrl, Del …), the control-character submenu, the standard buttons.
Only those contexts are kept, so that the window carries a few kilobytes
per language instead of Qt's whole catalogue.
  qt_texts.py LCONVERT QTBASE.qm OUT.qm"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

KEPT = {"QLineEdit", "QUnicodeControlCharacterMenu", "QShortcut", "QPlatformTheme", "QDialogButtonBox"}
# Of the key names, those the context menu's shortcuts can show ("Strg+Z").
KEYS = {"Ctrl", "Shift", "Alt", "Meta", "Del", "Delete", "Ins", "Insert", "Backspace", "Space", "Esc", "Tab",
        "Return", "Enter", "Home", "End"}


def main():
    lconvert, source, out = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as work:
        whole, kept = os.path.join(work, "whole.ts"), os.path.join(work, "kept.ts")
        subprocess.run([lconvert, "-i", source, "-o", whole], check=True)
        tree = ET.parse(whole)
        root = tree.getroot()
        for context in list(root.findall("context")):
            if context.findtext("name") not in KEPT:
                root.remove(context)
            elif context.findtext("name") == "QShortcut":
                for message in list(context.findall("message")):
                    if message.findtext("source") not in KEYS:
                        context.remove(message)
        if not root.findall("context"):
            sys.exit(f"{source}: none of Qt's texts for the window")
        tree.write(kept, encoding="utf-8", xml_declaration=True)
        subprocess.run([lconvert, "-i", kept, "-of", "qm", "-o", out + ".new"], check=True)
    os.replace(out + ".new", out)


if __name__ == "__main__":
    main()
