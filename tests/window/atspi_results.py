#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader on Linux receives when a button writes a result:
starts the program on the session's accessibility bus, types the worked
examples into its fields and presses each button through AT-SPI, as an
assistive technology would, and records the events that reach a listener.
Each result must arrive as the field's text-changed event, the focus
staying put; with ARDELIN_QT_ANNOUNCES=1 (Qt 6.8 or later), also as one
announcement of the field's name and text. Run under dbus-run-session
and an X server (tests/window/with-xvfb): atspi_results.py PROGRAM, with
ARDELIN_QT_ANNOUNCES=1 where Qt announces."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# The worked examples, the button that writes each result, and what is said.
CASES = [
    ("Convert", {"FreqText": "1420"}, {"Wavelength (m)": "0.2112676"}),
    ("Beam Width", {"DiameterText": "2"}, {"Beam width result (degrees)": "6.338028 degrees"}),
    ("Lower limit", {"SysTempText": "100", "BandwidthText": "1", "TimeConstText": "1", "AEfficiencyText": "50",
                     "SysEfficiencyText": "10"},
     {"Lowest detectable temperature fluctuation result (K)": "0.03162277 kelvin",
      "Lowest detectable flux fluctuation result (Jy)": "2818 Janskies"}),
]
# The prompts' field names for screen readers, by control name.
NAMES = {"FreqText": "Frequency to convert (MHz)", "DiameterText": "Dish diameter (m)",
         "SysTempText": "System temperature (K)", "BandwidthText": "Bandwidth (MHz)",
         "TimeConstText": "Time constant (s)", "AEfficiencyText": "Antenna efficiency (%)",
         "SysEfficiencyText": "System efficiency (%)"}


def pump(seconds):
    """Delivers the events that arrive within `seconds` to the listeners."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def pump_until(done, seconds=15):
    """Delivers events until done() holds, or for at most `seconds`; a busy
    machine can take seconds to bring the program's events over the bus."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end and not done():
        while context.iteration(False):
            pass
        time.sleep(0.02)


def find(root, role, name):
    # By the role's number: its name differs between AT-SPI versions ("push button", later "button").
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and a.name == name)


def appeared(seconds):
    """The program's application on the accessibility bus once its buttons are there, or None after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name.lower() == "ardelin"), None)
        if app is not None and find(app, pyatspi.ROLE_PUSH_BUTTON, "Convert") is not None:
            return app
    return None


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", LANGUAGE="en", LANG="C.UTF-8")
    events = []
    kinds = ("object:announcement", "object:text-changed:insert")

    def record(event):
        events.append((event.type, event.source.name if event.source else "", str(event.any_data)))
    # The accessibility bus and its registry up before the program starts, so that the program finds them:
    # started at once, it could look for the bus while the bus was still being launched, and stay off it.
    for kind in kinds:
        pyatspi.Registry.registerEventListener(record, kind)
    pyatspi.Registry.getDesktop(0)
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = appeared(30)
        assert app is not None, ("the program never appeared on the accessibility bus: "
                                 f"{[a.name for a in pyatspi.Registry.getDesktop(0) if a]}")
        qt68 = os.environ.get("ARDELIN_QT_ANNOUNCES") == "1"
        failures = []
        for button, inputs, results in CASES:
            for field, text in inputs.items():
                del events[:]
                find(app, pyatspi.ROLE_TEXT, NAMES[field]).queryEditableText().setTextContents(text)
                # The field's own event back: the program's events reach this listener.
                pump_until(lambda name=NAMES[field]: any(e[1] == name for e in events))
            focus_before = [a.name for a in pyatspi.findAllDescendants(
                app, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))]
            del events[:]
            push = find(app, pyatspi.ROLE_PUSH_BUTTON, button)
            push.queryAction().doAction(0)
            pump_until(lambda: all(any(e[1] == name and e[0].startswith("object:text-changed:insert") for e in events)
                                   for name in results))
            pump(0.3)  # and whatever else comes with them
            focus_after = [a.name for a in pyatspi.findAllDescendants(
                app, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))]
            if focus_after != focus_before:
                failures.append(f"{button}: the focus moved from {focus_before} to {focus_after}")
            for name, text in results.items():
                said = [e for e in events if e[0] == "object:announcement" and e[2] == f"{name}: {text}"]
                changed = [e for e in events if e[0].startswith("object:text-changed") and e[1] == name]
                print(f"{button}: {name}: announcement {len(said)}, text-changed {len(changed)}")
                if qt68 and len(said) != 1:
                    failures.append(f"{button}: no single announcement of '{name}: {text}' in {events}")
                if not changed:
                    failures.append(f"{button}: no text-changed event from '{name}' in {events}")
        for failure in failures:
            print("FAIL:", failure)
        return 1 if failures else 0
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    sys.exit(main())
