#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Ardelin page as a user meets it, in headless Chromium driven by
Selenium: geometry from the control table at two font sizes and at a device
scale factor of 2, the keyboard, every text whole, the worked examples typed
in, the reports of the table the other front ends share, both decimal
separators, offline reloads, a megabyte paste and a lone surrogate.
Usage: web_test.py SITE NODE... CASES_JS  (the site folder, and the program
that prints the shared tables, run under Node)."""
import json
import math
import os
import subprocess
import sys
import threading
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "web"))
import chromium  # noqa: E402
import serve  # noqa: E402
from chromium import browser  # noqa: E402

TABLES = {}
CONTROLS = []
ADDRESS = None


def start_server(site):
    global ADDRESS
    server, ADDRESS = serve.serve(site)
    threading.Thread(target=server.serve_forever, daemon=True).start()


def open_page(driver, address=None):
    chromium.open_page(driver, address or ADDRESS)


def round_half_away(x):
    return int(math.floor(x + 0.5)) if x >= 0 else -int(math.floor(-x + 0.5))


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = browser()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        open_page(self.driver)

    # Helpers
    def el(self, name):
        return self.driver.find_element(By.ID, name)

    def value(self, name):
        return self.el(name).get_property("value")

    def set_values(self, pairs):
        """Fields set as a paste would set them, by control name."""
        self.driver.execute_script(
            "for (const [name, text] of arguments[0]) document.getElementById(name).value = text;", pairs)

    def keys(self, *keys, modifier=None):
        chain = ActionChains(self.driver)
        if modifier:
            chain.key_down(modifier)
        for k in keys:
            chain.send_keys(k)
        if modifier:
            chain.key_up(modifier)
        chain.perform()

    def access(self, letter):
        self.keys(letter, modifier=Keys.ALT)

    def active(self):
        return self.driver.execute_script("return document.activeElement.id")

    def selection(self):
        return self.driver.execute_script(
            "const e = document.activeElement; return [e.selectionStart, e.selectionEnd, e.value.length]")

    def report(self):
        """The open report's text, or None."""
        return self.driver.execute_script(
            "const d = document.getElementById('report'); "
            "return d.open ? document.getElementById('report-text').textContent : null")

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    # The tests
    def test_keyboard(self):
        names = [c["name"] for c in CONTROLS]
        self.assertEqual(self.active(), "DiameterText")
        self.assertEqual(self.selection(), [0, 20, 20])  # the prompt selected
        for expected in names[1:]:
            self.keys(Keys.TAB)
            self.assertEqual(self.active(), expected)
            if self.el(expected).tag_name == "input":  # Tab selects the whole text from its start
                start, end, length = self.selection()
                self.assertEqual((start, end), (0, length), expected)
        for expected in reversed(names[:-1]):
            self.keys(Keys.TAB, modifier=Keys.SHIFT)
            self.assertEqual(self.active(), expected)
        # Enter and Escape press nothing, in a field or on a button.
        self.set_values([("FreqText", "1420")])
        for target in ("FreqText", "Command3", "Command1"):
            self.driver.execute_script("arguments[0].focus()", self.el(target))
            self.keys(Keys.ENTER)
            self.keys(Keys.ESCAPE)
            self.assertIsNone(self.report(), target)
            self.assertEqual(self.value("WavelengthText"), "Wavelength (m)", target)
        # The access keys: the worked examples and the reports press with them.
        # Names and tooltips as on Linux and Windows.
        for c in CONTROLS:
            self.assertEqual(self.el(c["name"]).accessible_name, c["accessibleName"])
            self.assertEqual(self.el(c["name"]).get_attribute("title") or "", c["toolTip"])

    def test_every_text_whole(self):
        longest = []
        for d in "0123456789":
            longest += [f"-{d}.{d * 10}", f"-{d}.{d * 6}E-{d * 2}", f"-{d}.{d * 6}E+{d * 2}"]
        overflowing = self.driver.execute_script("""
            const out = [];
            const check = (e) => { if (e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)
                                       out.push(e.id + ': ' + (e.value ?? e.textContent)); };
            document.querySelectorAll('#form1 input, #form1 button').forEach(check);
            const units = {WavelengthText: '', BeamwidthText: ' degrees', DTText: ' kelvin',
                           LowerLimitText: ' Janskies'};
            for (const number of arguments[0])
                for (const [name, unit] of Object.entries(units)) {
                    const e = document.getElementById(name);
                    e.value = number + unit;
                    check(e);
                }
            return out;""", longest)
        self.assertEqual(overflowing, [])

    def test_worked_examples_typed_in(self):
        self.el("FreqText").click()
        self.keys("1420")
        self.access("c")
        self.assertEqual(self.value("WavelengthText"), "0.2112676")
        self.el("DiameterText").click()  # the click selects the prompt: typing replaces it
        self.keys("2")
        self.access("b")
        self.assertEqual(self.value("BeamwidthText"), "6.338028 degrees")
        for name, text in (("SysTempText", "100"), ("BandwidthText", "1"), ("TimeConstText", "1"),
                           ("AEfficiencyText", "50"), ("SysEfficiencyText", "10")):
            self.el(name).click()
            self.keys(text)
        self.access("l")
        self.assertIsNone(self.report())
        self.assertEqual(self.value("DTText"), "0.03162277 kelvin")
        self.assertEqual(self.value("LowerLimitText"), "2818 Janskies")
        # A result shows from its start.
        self.assertEqual(self.el("LowerLimitText").get_property("scrollLeft"), 0)

    def press_case(self, case):
        self.set_values([pair.split("=", 1) for pair in case["inputs"]])
        button = next(c for c in TABLES["controls"] if c["name"] == case["button"])
        self.access(button["accessibleName"][0].lower())
        return self.report()

    def test_one_report_of_each_kind(self):
        kinds = {}
        for case in TABLES["reports"]:
            kind = case["text"].split(":")[0]
            if case["separator"] == "." and kind not in kinds:
                kinds[kind] = case
        self.assertEqual(set(kinds), {"Conversion error", "Overflow", "Division by zero", "Invalid argument"})
        for n, case in enumerate(kinds.values()):
            with self.subTest(case["name"]):
                open_page(self.driver)
                self.driver.execute_script("document.getElementById('TimeConstText').focus()")
                self.assertEqual(self.press_case(case), case["text"])
                dialog = self.el("report")
                self.assertEqual(dialog.aria_role, "alertdialog")
                self.assertEqual(dialog.accessible_name, "Ardelin")
                self.assertEqual(self.active(), "report-ok")
                if n % 2 == 0:
                    self.el("report-ok").click()
                else:
                    self.keys(Keys.ESCAPE)
                self.assertIsNone(self.report())
                self.assertEqual(self.active(), case["focus"] or "TimeConstText")
                if case["focus"]:
                    start, end, length = self.selection()
                    self.assertEqual((start, end), (0, length))
                if case["dtAfter"]:
                    self.assertEqual(self.value("DTText"), case["dtAfter"])

    def language(self, locale):
        """The browser's language for Intl (locale) and for navigator.language (Accept-Language)."""
        self.cdp("Emulation.setLocaleOverride", **({"locale": locale} if locale else {}))
        self.cdp("Network.setUserAgentOverride", userAgent=self.driver.execute_script("return navigator.userAgent"),
                 acceptLanguage=locale or "en-US")

    def test_both_separators(self):
        self.language("de-DE")
        try:
            for case in (c for c in TABLES["reports"] if c["separator"] == ","):
                with self.subTest(case["name"]):
                    open_page(self.driver)
                    self.assertEqual(self.press_case(case), case["text"])
                    self.keys(Keys.ESCAPE)
            open_page(self.driver)
            self.set_values([("WavelengthText", "0,21"), ("DiameterText", "2")])
            self.access("b")
            self.assertEqual(self.value("BeamwidthText"), "6,3 degrees")
        finally:
            self.language(None)

    def test_offline_no_request_after_load_no_console_error(self):
        self.driver.execute_script("return navigator.serviceWorker.ready")
        for _ in range(100):
            if self.driver.execute_script("return navigator.serviceWorker.controller !== null"):
                break
            time.sleep(0.05)
        self.driver.execute_script("performance.clearResourceTimings()")
        self.set_values([("FreqText", "1420")])
        self.access("c")
        self.access("b")
        self.keys(Keys.ESCAPE)
        self.assertEqual(self.driver.execute_script("return performance.getEntriesByType('resource').length"), 0)
        network = {"latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
        self.cdp("Network.enable")
        self.cdp("Network.emulateNetworkConditions", offline=True, **network)
        try:
            open_page(self.driver)
            self.set_values([("FreqText", "1420")])
            self.access("c")
            self.assertEqual(self.value("WavelengthText"), "0.2112676")
        finally:
            self.cdp("Network.emulateNetworkConditions", offline=False, **network)
        errors = [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [])
        # Installable: the manifest, its icons and the service worker as Chromium judges them.
        self.assertEqual(self.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])

    def test_narrow_screen_fits_and_zooms(self):
        self.cdp("Emulation.setDeviceMetricsOverride", width=360, height=740, deviceScaleFactor=2, mobile=True)
        try:
            open_page(self.driver)
            right, width = self.driver.execute_script(
                "return [document.getElementById('form1').getBoundingClientRect().right, "
                "document.documentElement.clientWidth]")
            self.assertLessEqual(right, width)
            viewport = self.driver.find_element(By.CSS_SELECTOR, "meta[name=viewport]").get_attribute("content")
            self.assertNotIn("user-scalable", viewport)
            self.assertNotIn("maximum-scale", viewport)
        finally:
            self.cdp("Emulation.clearDeviceMetricsOverride")

    def test_megabyte_paste_and_lone_surrogate(self):
        cases = [("x" * (1 << 20), None), ("0." + "0" * 40000 + "3e40001", "100"), ("14\ud800" "20", None)]
        for pasted, wavelength in cases:
            with self.subTest(pasted[:8]):
                open_page(self.driver)
                field = self.el("FreqText")
                field.click()
                self.driver.execute_script("arguments[0].select()", field)
                if "\ud800" in pasted:
                    self.driver.execute_script("arguments[0].value = '14\\ud800' + '20'", field)
                else:
                    self.cdp("Input.insertText", text=pasted)
                self.assertEqual(self.driver.execute_script("return arguments[0].value.length", field), len(pasted))
                self.access("c")
                if wavelength is None:
                    self.assertTrue(self.report().startswith("Conversion error: the text in the frequency field"))
                    self.keys(Keys.ESCAPE)
                    self.assertEqual(self.value("WavelengthText"), "Wavelength (m)")
                else:
                    self.assertIsNone(self.report())
                    self.assertEqual(self.value("WavelengthText"), wavelength)
                self.assertEqual(self.driver.execute_script("return arguments[0].value.length", field), len(pasted))


class Geometry(unittest.TestCase):
    """Every control where the table puts it at the page's scale, and the scale
    the one that fits every text: at two font sizes and at twice the pixels."""

    def test_table_times_scale(self):
        scales = {}
        for font_size, factor in ((16, 1), (22, 1), (16, 2)):
            with self.subTest(font_size=font_size, scale_factor=factor):
                driver = browser(font_size, factor)
                try:
                    open_page(driver)
                    s = float(driver.find_element(By.ID, "form1").get_attribute("data-scale"))
                    scales[(font_size, factor)] = s
                    rects = driver.execute_script("""
                        const f = document.getElementById('form1').getBoundingClientRect();
                        return Array.from(document.querySelectorAll('#form1 > *'), (e) => {
                            const r = e.getBoundingClientRect();
                            return [e.id, r.left - f.left, r.top - f.top, r.width, r.height]; });""")
                    self.assertEqual([r[0] for r in rects], [c["name"] for c in CONTROLS])
                    for (name, left, top, width, height), c in zip(rects, CONTROLS):
                        x, y, w, h = c["place"]
                        per_twip = s / 15
                        expected = [round_half_away(x * per_twip), round_half_away(y * per_twip),
                                    math.ceil(w * per_twip - 1e-6), math.ceil(h * per_twip - 1e-6)]
                        self.assertEqual([left, top, width, height], expected, name)
                finally:
                    driver.quit()
        self.assertGreater(scales[(22, 1)], scales[(16, 1)] * 1.2)


if __name__ == "__main__":
    TABLES.update(json.loads(subprocess.run(sys.argv[2:], check=True, capture_output=True, text=True).stdout))
    CONTROLS.extend(TABLES["controls"])
    start_server(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
