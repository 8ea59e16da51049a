#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Ardelin page as a user meets it, in Chromium, Firefox ESR and WebKit,
each behind its adapter in engines.py (a case that needs what an engine
lacks says so in one line, require(), and is skipped there): geometry from the control table at two font sizes and at a device
scale factor of 2, the keyboard, every text whole, the worked examples typed
in, the reports of the table the other front ends share, both decimal
separators, offline reloads, a megabyte paste and a lone surrogate; any
language tag, a browser that cannot run the module, axe-core's rules; and
all of it again in the one-column layout of a phone.
Usage: web_test.py SITE NODE... CASES_JS [-- UNITTEST_ARGS]  (the site folder,
the program that prints the shared tables, run under Node, and optionally
unittest's own arguments, such as -k WebKit.test_keyboard)."""
import functools
import html.parser
import json
import math
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import engines
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "web"))
import browsers  # noqa: E402
import serve  # noqa: E402
from browsers import browser  # noqa: E402

NODE_MODULES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules")
AXE = os.path.join(NODE_MODULES, "axe-core", "axe.min.js")
TABLES = {}
CONTROLS = []
ADDRESS = None
SITE = None
LOCALES = None


def start_server(site):
    global ADDRESS, SITE
    SITE = site
    server, ADDRESS = serve.serve(site, pages={engines.PHONE_FRAME_PATH: engines.PHONE_FRAME})
    threading.Thread(target=server.serve_forever, daemon=True).start()


def open_page(driver, address=None):
    browsers.open_page(driver, address or ADDRESS)


def round_half_away(x):
    return int(math.floor(x + 0.5)) if x >= 0 else -int(math.floor(-x + 0.5))


class Page(unittest.TestCase):
    """The page's cases in headless Chromium; Firefox and WebKit run them again."""

    @classmethod
    def make_engine(cls):
        return engines.Chromium()

    @classmethod
    def setUpClass(cls):
        cls.engine = cls.make_engine()

    @classmethod
    def tearDownClass(cls):
        cls.engine.quit()

    @property
    def driver(self):
        return self.engine.driver  # a new one after a restart

    def setUp(self):
        self.open_page()

    def open_page(self):
        self.engine.open(ADDRESS)

    def require(self, need):
        """Where a case that needs what this engine lacks is skipped, before it asserts anything."""
        if not self.engine.can(need):
            self.skipTest(f"{self.engine.name}: {self.engine.lacks[need]}")

    # Helpers
    def el(self, name):
        return self.driver.find_element(By.ID, name)

    def value(self, name):
        return self.el(name).get_property("value")

    def set_values(self, pairs):
        """Fields set as a paste would set them, by control name."""
        self.driver.execute_script(
            """for (const [name, text] of arguments[0]) {
                   const e = document.getElementById(name);
                   e.value = text;
                   e.dispatchEvent(new InputEvent("input", {bubbles: true, inputType: "insertFromPaste"}));
               }""", pairs)

    def keys(self, *keys, modifier=None):
        self.engine.keys(keys, (modifier,) if modifier else ())

    def access(self, letter):
        """The access key as the engine takes it: Alt, or Alt+Shift in Firefox."""
        self.engine.keys([letter], self.engine.access_modifiers)

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
        self.require("devtools")
        return self.engine.devtools(command, **parameters)

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
        # Tooltips as on Linux and Windows.
        for c in CONTROLS:
            self.assertEqual(self.el(c["name"]).get_attribute("title") or "", c["toolTip"])

    def test_accessible_names(self):
        # Each control's name in the accessibility tree, as on Linux and Windows.
        self.require("accessibility tree")
        for c in CONTROLS:
            self.assertEqual(self.engine.role_and_name(self.el(c["name"]))[1], c["accessibleName"], c["name"])

    def test_every_text_whole(self):
        self.assertEqual(self.overflowing(), [])

    def overflowing(self, units=None):
        """The controls whose text, or whose longest possible result, does not show whole: with
        the English units, or with a language's (units, from the English)."""
        longest = []
        for d in "0123456789":
            longest += [f"-{d}.{d * 10}", f"-{d}.{d * 6}E-{d * 2}", f"-{d}.{d * 6}E+{d * 2}"]
        return self.driver.execute_script("""
            const out = [];
            const check = (e) => { if (e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)
                                       out.push(e.id + ': ' + (e.value ?? e.textContent)); };
            document.querySelectorAll('#form1 input, #form1 button').forEach(check);
            const to = arguments[1];
            const units = {WavelengthText: '', BeamwidthText: to[' degrees'], DTText: to[' kelvin'],
                           LowerLimitText: to[' Janskies']};
            for (const number of arguments[0])
                for (const [name, unit] of Object.entries(units)) {
                    const e = document.getElementById(name);
                    e.value = number + unit;
                    check(e);
                }
            return out;""", longest, units or {u: u for u in (" degrees", " kelvin", " Janskies")})

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

    def test_results_said(self):
        """Each new result said in a polite live region, with its field's name; a report says nothing there."""
        said = "return Array.from(document.getElementById('said').children, (p) => p.textContent)"
        self.set_values([("WavelengthText", "0.21"), ("DiameterText", "2")])
        self.access("b")
        self.assertEqual(self.driver.execute_script(said), ["Beam width result (degrees): 6.3 degrees"])
        self.assertEqual(self.active(), "Command1")  # where the access key put it, not on the region
        self.access("b")  # the same result again: said again, as new nodes
        self.assertEqual(self.driver.execute_script(said), ["Beam width result (degrees): 6.3 degrees"])
        self.set_values([("DiameterText", "0")])
        self.access("b")
        self.assertIsNotNone(self.report())
        self.keys(Keys.ESCAPE)
        self.assertEqual(self.driver.execute_script(said), ["Beam width result (degrees): 6.3 degrees"])
        if self.engine.can("devtools"):
            document = self.cdp("DOM.getDocument")
            node = self.cdp("DOM.querySelector", nodeId=document["root"]["nodeId"], selector="#said")
            tree = self.cdp("Accessibility.getPartialAXTree", nodeId=node["nodeId"], fetchRelatives=False)
            region = tree["nodes"][0]
            self.assertEqual(region["role"]["value"], "status")
            live = {p["name"]: p["value"]["value"] for p in region.get("properties", [])}
            self.assertEqual(live.get("live"), "polite")

    def press_case(self, case):
        self.set_values([pair.split("=", 1) for pair in case["inputs"]])
        button = next(c for c in TABLES["controls"] if c["name"] == case["button"])
        self.access(button["accessibleName"][0].lower())
        return self.report()

    def test_report_role_and_name(self):
        self.require("accessibility tree")
        self.access("b")  # the prompts in place: a conversion error
        self.assertIsNotNone(self.report())
        self.assertEqual(self.engine.role_and_name(self.el("report")), ("alertdialog", "Ardelin"))

    def test_one_report_of_each_kind(self):
        cases = [next(c for c in TABLES["reports"] if c["name"] == name) for name in TABLES["oneOfEachKind"]]
        for n, case in enumerate(cases):
            with self.subTest(case["name"]):
                self.open_page()
                self.driver.execute_script("document.getElementById('TimeConstText').focus()")
                self.assertEqual(self.press_case(case), case["text"])
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
        """The browser's language for Intl and for navigator.language; None for its own."""
        self.engine.language(locale)

    def assert_layout(self):
        """The layout this class's cases are for: any, on a desktop."""

    def test_both_separators(self):
        # A German browser's reader who picked English: English words, German numbers.
        self.language("de-DE")
        try:
            for case in (c for c in TABLES["reports"] if c["separator"] == ","):
                with self.subTest(case["name"]):
                    self.open_in("en")
                    self.assert_layout()
                    self.assertEqual(self.press_case(case), case["text"])
                    self.keys(Keys.ESCAPE)
            self.open_in("en")
            self.assert_layout()
            self.set_values([("WavelengthText", "0,21"), ("DiameterText", "2")])
            self.access("b")
            self.assertEqual(self.value("BeamwidthText"), "6,3 degrees")
        finally:
            self.language(None)

    def await_service_worker(self):
        for _ in range(1200):
            if self.driver.execute_script("return navigator.serviceWorker.controller !== null"):
                return
            time.sleep(0.05)
        self.fail("no service worker took control of the page in 60 s")

    def uncached_loads(self):
        """The files this document loaded that the worker's cache lacks, but the worker's own
        script, which the browser keeps itself (WebKit lists its fetch among the page's)."""
        loaded = self.driver.execute_script(
            "return [location.href, ...performance.getEntriesByType('resource').map((e) => e.name)]")
        cached = self.driver.execute_script("""
            return caches.keys().then((names) => Promise.all(names.map((n) => caches.open(n).then((c) => c.keys()))))
                                .then((lists) => lists.flat().map((r) => r.url));""")
        return [url for url in loaded if url.split("?")[0] not in cached and not url.endswith(
            ("/sw.js",) + self.engine.own_loads)]

    def await_catalogue_kept(self, code):
        """Until the worker's cache holds the catalogue the page fetched before the worker ran."""
        for _ in range(200):
            if self.driver.execute_script("""
                    return caches.keys().then((names) => Promise.all(names.map((n) => caches.open(n)
                        .then((c) => c.match(arguments[0]))))).then((found) => found.some(Boolean));""",
                                          f"lang/{code}.json"):
                return
            time.sleep(0.05)
        self.fail(f"lang/{code}.json never reached the worker's cache")

    def test_no_request_after_load(self):
        self.require("service worker")
        self.await_service_worker()
        self.assertEqual(self.uncached_loads(), [])
        self.driver.execute_script("performance.clearResourceTimings()")
        self.set_values([("FreqText", "1420")])
        self.access("c")
        self.access("b")
        self.keys(Keys.ESCAPE)
        requests = self.driver.execute_script("return performance.getEntriesByType('resource').map((e) => e.name)")
        self.assertEqual([r for r in requests if not r.endswith(self.engine.own_loads)], [])

    def test_offline_no_console_error_installable(self):
        self.require("devtools")
        self.require("service worker")
        self.cdp("Network.enable")
        self.await_service_worker()
        network = {"latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
        self.cdp("Network.emulateNetworkConditions", offline=True, **network)
        try:
            self.open_page()
            self.set_values([("FreqText", "1420")])
            self.access("c")
            self.assertEqual(self.value("WavelengthText"), "0.2112676")
        finally:
            self.cdp("Network.emulateNetworkConditions", offline=False, **network)
        self.assertEqual(self.engine.console_errors(), [])
        # Installable: the manifest, its icons and the service worker as Chromium judges them.
        self.assertEqual(self.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])

    def test_language_offline(self):
        # The page's catalogue is kept with its files from the first visit, which fetched it before
        # the worker ran: with its server gone, a reload is still in its language.
        self.require("service worker")
        if self.engine.mobile:
            self.require("phone without its server")
        server, address = serve.serve(SITE, pages={engines.PHONE_FRAME_PATH: engines.PHONE_FRAME})
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            self.engine.open(address + "?lang=de")
            self.await_service_worker()
            self.await_catalogue_kept("de")
        finally:
            server.shutdown()
            server.server_close()
        self.engine.open(address + "?lang=de")
        self.assertEqual(self.el("Command3").text, TABLES["languages"]["de"]["controls"][-1]["caption"])

    def test_notes_in_german(self):
        # The footer's link to the notes page, in German: that page in German from the same
        # catalogue, each of its English texts (the page as it ships, which reads without scripts)
        # translated, and, with the worker, every file it loaded in the worker's cache.
        with open(os.path.join(SITE, "lang", "de.json"), encoding="utf-8") as f:
            german = json.load(f)
        english = notes_texts()
        self.assertEqual([text for text in english.values() if text not in german], [], "untranslated")
        self.open_in("de")
        link = self.el("notes")
        self.assertEqual(link.text, german["notes on the lower limit"])
        if self.engine.can("service worker"):
            self.await_service_worker()
            self.await_catalogue_kept("de")
        link.click()
        for _ in range(200):
            if self.driver.execute_script("return location.pathname.endsWith('/notes.html') && "
                                          "document.documentElement.dataset.ready === 'true'"):
                break
            time.sleep(0.05)
        else:
            self.fail("the notes page never became ready")
        shown = self.driver.execute_script("""
            const r = document.documentElement;
            return [location.search, r.lang, r.dir, document.title,
                    Object.fromEntries(Array.from(arguments[0], (id) => [id, document.getElementById(id).textContent])),
                    getComputedStyle(document.querySelector('main')).visibility];""", list(english))
        self.assertEqual(shown, ["?lang=de", "de", "ltr", german[english["heading"]] + " – Ardelin",
                                 {name: german[text] for name, text in english.items()}, "visible"])
        if self.engine.can("service worker"):
            self.assertTrue(self.driver.execute_script("return navigator.serviceWorker.controller !== null"))
            self.assertEqual(self.uncached_loads(), [])
        if self.engine.can("devtools"):
            self.assertEqual(self.engine.console_errors(), [])  # nothing the page's policy refused

    def test_column_exactly_where_the_table_no_longer_fits(self):
        self.require("phone")  # a screen of any width
        fit = self.driver.execute_script("""
            const root = document.documentElement, column = root.classList.contains('column');
            root.classList.remove('column');  // the table's width and margins, in whichever layout
            const main = getComputedStyle(document.querySelector('main'));
            const fit = document.getElementById('form1').offsetWidth + 2 * parseFloat(main.paddingLeft);
            root.classList.toggle('column', column);
            return fit;""")
        try:
            for width, column in ((fit, False), (fit - 1, True)):
                with self.subTest(width=width):
                    self.engine.viewport(width, engines.DESKTOP[1], mobile=False)  # tall enough for no scroll bar
                    self.open_page()
                    self.assertEqual(self.driver.execute_script("""
                        const root = document.documentElement;
                        return [root.classList.contains('column'), root.scrollWidth - root.clientWidth];"""),
                        [column, 0])
                    self.assertEqual(self.overflowing(), [])
        finally:
            self.engine.viewport(*engines.DESKTOP, mobile=False)

    def test_narrow_screen_fits_and_zooms(self):
        self.require("phone")
        self.engine.viewport(360, 740, mobile=True)
        try:
            self.open_page()
            right, width = self.driver.execute_script(
                "return [document.getElementById('form1').getBoundingClientRect().right, "
                "document.documentElement.clientWidth]")
            self.assertLessEqual(right, width)
            viewport = self.driver.execute_script("return document.querySelector('meta[name=viewport]').content")
            self.assertNotIn("user-scalable", viewport)
            self.assertNotIn("maximum-scale", viewport)
        finally:
            self.engine.viewport(*engines.DESKTOP, mobile=False)

    def test_first_paint_moves_nothing(self):
        """While the module compiles, a phone shows the whole form where it will stay, each field
        with its prompt; a wider screen shows nothing until the table is placed."""
        where = """return [getComputedStyle(document.querySelector('main')).visibility,
                           Array.from(document.querySelectorAll('#form1 > *, #about'), (e) => {
                               const r = e.getBoundingClientRect();
                               return [e.id || e.htmlFor, r.left, r.top, r.width, r.height, e.value ?? e.textContent];
                           })];"""
        script = self.on_new_document("WebAssembly.instantiateStreaming = WebAssembly.instantiate = "
                                      "() => new Promise(() => {})")  # the module never arrives
        try:
            self.driver.get(ADDRESS)
            for _ in range(100):
                if self.driver.execute_script("return document.readyState") == "complete":
                    break
                time.sleep(0.05)
            self.assertIsNone(self.driver.execute_script("return document.documentElement.dataset.ready ?? null"))
            before = self.driver.execute_script(where)
        finally:
            self.forget_new_document(script)
        self.open_page()
        after = self.driver.execute_script(where)
        if self.driver.execute_script("return document.documentElement.classList.contains('column')"):
            self.assertEqual(before, after)
        else:
            self.assertEqual(before[0], "hidden")
        self.assertEqual(len(before[1]), 2 * len(CONTROLS) - 3 + 1)  # each control, each field's label, the footer

    def on_new_document(self, source):
        """A script that runs before the page's own in every document from now on; its handle."""
        self.require("init script")
        return self.engine.add_init_script(source)

    def forget_new_document(self, handle):
        self.engine.remove_init_script(handle)

    def test_any_language_tag_starts(self):
        # Tags that Intl rejects give way to the browser's locale (en-US here). Where no script can
        # set navigator.language, the process's locale does: the C library's gives "C".
        for tag in ("C", "", "und", "de-DE") if self.engine.can("init script") else ("C",):
            with self.subTest(tag=tag):
                if not self.engine.can("init script"):
                    self.language("C.UTF-8")
                    undo = functools.partial(self.language, None)
                else:
                    script = self.on_new_document(
                        f"Object.defineProperty(Navigator.prototype, 'language', {{get: () => {json.dumps(tag)}}})")
                    undo = functools.partial(self.forget_new_document, script)
                try:
                    self.open_page()
                    self.assertEqual(self.driver.execute_script("return navigator.language"), tag)
                    self.set_values([("FreqText", "1420")])
                    self.access("c")
                    self.assertEqual(self.value("WavelengthText"), "0,2112676" if tag == "de-DE" else "0.2112676")
                finally:
                    undo()

    def languages_here(self):
        """Every language in Chromium at a desktop's width; German and Hebrew, the longest and the
        mirrored, in the other engines; Hebrew, its column read from the right, on phones."""
        if self.engine.mobile:
            return ["he"]
        return list(TABLES["languages"]) if self.engine.name == "chromium" else ["de", "he"]

    def open_in(self, code):
        self.engine.open(ADDRESS + "?lang=" + code.replace("_", "-"))

    def press(self, button, key):
        """A button pressed by its access key; where this engine cannot send that key, by a click."""
        if key.isascii() or self.engine.can("non-Latin access key"):
            self.access(key.lower())
        else:
            self.el(button).click()

    def test_in_each_language(self):
        # The page's texts in the language asked for, every one whole, a report in that language
        # (each language a different kind), and the worked examples with English's digits (with the browser's decimal
        # point) and that language's units.
        for code in self.languages_here():
            shown = TABLES["languages"][code]
            keys = {c["name"]: c["key"] for c in shown["controls"] if "key" in c}
            with self.subTest(code):
                self.open_in(code)
                self.assertEqual(self.driver.execute_script(
                    "const r = document.documentElement; return [r.lang, r.dir]"),
                    [code.replace("_", "-"), "rtl" if shown["rightToLeft"] else "ltr"])
                description = self.driver.execute_script(
                    "return document.querySelector('meta[name=\"description\"]').content")
                self.assertTrue(description and not description.startswith("Beam width and"), description)
                seen = self.driver.execute_script("""
                    return Array.from(document.querySelectorAll('#form1 > input, #form1 > button'), (e) => [
                        e.id, e.getAttribute('aria-label'), e.title,
                        e.tagName === 'INPUT' ? e.value : e.textContent,
                        e.tagName === 'INPUT' ? e.labels[0].textContent : e.accessKey,
                        e.tagName === 'BUTTON' ? e.querySelector('u').textContent : '']);""")
                self.assertEqual(seen, [[c["name"], c["label"], c["toolTip"], c.get("prompt", c.get("caption")),
                                         c["label"] if "prompt" in c else c["key"].lower(), c.get("key", "")]
                                        for c in shown["controls"]])
                self.assertEqual(self.overflowing(shown["units"]), [])
                for case in shown["reports"]:
                    english = next(c for c in TABLES["reports"] if c["name"] == case["name"])
                    self.open_in(code)
                    self.set_values([pair.split("=", 1) for pair in english["inputs"]])
                    self.el("TimeConstText").click()
                    self.press(english["button"], keys[english["button"]])
                    self.assertEqual(self.report(), case["text"], case["name"])
                    self.keys(Keys.ESCAPE)
                self.open_in(code)
                self.set_values([pair.split("=", 1) for pair in TABLES["worked"]["inputs"]])
                for button in ("Command3", "Command1", "Command2"):
                    self.el("SysTempText").click()
                    self.press(button, keys[button])
                self.assertIsNone(self.report())
                for name, digits, unit in TABLES["worked"]["results"]:
                    self.assertEqual(self.value(name), digits.replace(",", ".") + (shown["units"][unit] if unit else ""))

    def test_choosing_the_language(self):
        # The table the other front ends share, in the page's own chooser, with the page's codes.
        available = self.driver.execute_script("return document.documentElement.dataset.languages.split(' ')")
        for c in TABLES["choices"]:
            self.assertEqual(self.driver.execute_script("return chooseLanguage(arguments[0], arguments[1])",
                                                        c["preferred"], c["available"] or available).replace("-", "_"),
                             c["shown"], c["why"])
        # ?lang= comes first, a tag never seen gives way to the browser's languages, and a
        # browser whose first language is German shows German; each footer link names its language.
        for locale, cases in ((None, (("?lang=he", "he"), ("?lang=tlh", "en"))),
                              ("de-DE", (("", "de"), ("?lang=en", "en")))):
            if locale and self.engine.mobile:
                continue  # the browser's language is the desktop's case; a phone's is the same page
            self.language(locale)
            try:
                for query, lang in cases:
                    with self.subTest(query=query, locale=locale):
                        self.engine.open(ADDRESS + query)
                        self.assertEqual(self.driver.execute_script("return document.documentElement.lang"), lang)
            finally:
                if locale:
                    self.language(None)
        self.open_page()
        links = self.driver.execute_script(
            "return Array.from(document.querySelectorAll('#languages a'), (a) => [a.hreflang, a.lang, a.search])")
        self.assertEqual(links[0], ["en", "en", "?lang=en"])
        self.assertCountEqual(links[1:], [[t, t, "?lang=" + t] for t in available])

    def test_mirrored_in_hebrew(self):
        # Each control where English has it, seen in a mirror; focus and tab order as in English;
        # a field's text takes its direction from its first letter, so that a number reads left to right.
        def places():
            self.assert_layout()
            return self.driver.execute_script("""
                const f = document.getElementById('form1').getBoundingClientRect();
                return [f.width, Array.from(document.querySelectorAll('#form1 > input, #form1 > button'), (e) => {
                    const r = e.getBoundingClientRect();
                    return [e.id, r.left - f.left, r.top - f.top, r.width, r.height]; })];""")
        self.open_in("he")
        width, rtl = places()
        self.driver.execute_script("document.documentElement.dir = 'ltr'")  # the same texts, the same scale
        self.assertEqual(places(), [width, [[n, width - x - w, y, w, h] for n, x, y, w, h in rtl]])
        self.open_in("he")
        self.assertEqual(self.active(), "DiameterText")
        for expected in [c["name"] for c in CONTROLS][1:]:
            self.keys(Keys.TAB)
            self.assertEqual(self.active(), expected)
        self.assertEqual(self.driver.execute_script(
            "return getComputedStyle(document.getElementById('FreqText')).unicodeBidi"), "plaintext")

    def test_says_why_it_cannot_run(self):
        self.require("init script")  # each breakage comes before the page's own script
        cases = (("delete window.WebAssembly", "it has no WebAssembly. "),
                 ("WebAssembly.validate = () => false", "it has no WebAssembly exception handling. "),
                 ("WebAssembly.instantiateStreaming = WebAssembly.instantiate = "
                  "() => Promise.reject(new Error('refused'))", "its WebAssembly module did not load or start"))
        for breakage, why in cases:
            with self.subTest(why):
                script = self.on_new_document(breakage)
                try:
                    self.driver.get(ADDRESS)
                    for _ in range(200):
                        if self.driver.execute_script("return document.documentElement.dataset.ready === 'false'"):
                            break
                        time.sleep(0.05)
                    message = self.el("unsupported")
                    self.assertTrue(message.text.startswith("This browser cannot run Ardelin: " + why), message.text)
                    self.assertEqual(message.get_attribute("role"), "alert")
                    self.assertTrue(message.is_displayed())
                    self.assertEqual(
                        self.driver.execute_script("return document.getElementsByTagName('noscript').length"), 1)
                finally:
                    self.forget_new_document(script)
        # In another language, in its words, and shown.
        with open(os.path.join(SITE, "lang", "de.json"), encoding="utf-8") as f:
            german = json.load(f)
        script = self.on_new_document("delete window.WebAssembly")
        try:
            self.driver.get(ADDRESS + "?lang=de")
            for _ in range(200):
                if self.driver.execute_script("return document.documentElement.dataset.ready === 'false'"):
                    break
                time.sleep(0.05)
            message = self.el("unsupported")
            self.assertEqual(message.text, german[
                "This browser cannot run Ardelin: %1. A current Chrome, Edge, Firefox or Safari can."].replace(
                "%1", german["it has no %1"].replace("%1", "WebAssembly")))
            self.assertTrue(message.is_displayed())
        finally:
            self.forget_new_document(script)
        if self.engine.can("devtools"):
            self.engine.console_errors()  # the refused module's errors are this case's own

    def test_axe_finds_no_violation(self):
        self.require("devtools")  # for the colour schemes
        with open(AXE, encoding="utf-8") as f:
            axe = f.read()
        tags = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
        try:
            for scheme in ("light", "dark"):
                self.cdp("Emulation.setEmulatedMedia", features=[{"name": "prefers-color-scheme", "value": scheme}])
                for report_open in (False, True):
                    with self.subTest(scheme=scheme, report=report_open):
                        self.open_page()
                        if report_open:
                            self.access("b")  # the prompts in place: a conversion error
                            self.assertIsNotNone(self.report())
                        self.driver.execute_script(axe)
                        violations = self.driver.execute_async_script(
                            "const done = arguments[1];"
                            "axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})"
                            "   .then((r) => done(r.violations.map((v) => [v.id, v.nodes.map((n) => n.target)])));",
                            tags)
                        self.assertEqual(violations, [])
        finally:
            self.cdp("Emulation.setEmulatedMedia", features=[])

    def check_paste(self, pasted, wavelength, put):
        """PASTED put into the frequency field by PUT(field); Convert then gives WAVELENGTH or, for None,
        a report, and the field keeps every character."""
        self.open_page()
        field = self.el("FreqText")
        field.click()
        self.driver.execute_script("arguments[0].select()", field)
        put(field)
        self.assertEqual(self.driver.execute_script("return arguments[0].value.length", field), len(pasted))
        self.access("c")
        if wavelength is None:
            self.assertRegex(self.report(), "^Conversion error: \u201C.*\u201D in the field \u201CFrequency to convert "
                                            "\\(MHz\\)\u201D is not a number\\.$")
            self.keys(Keys.ESCAPE)
            self.assertEqual(self.value("WavelengthText"), "Wavelength (m)")
        else:
            self.assertIsNone(self.report())
            self.assertEqual(self.value("WavelengthText"), wavelength)
        self.assertEqual(self.driver.execute_script("return arguments[0].value.length", field), len(pasted))

    def test_megabyte_paste(self):
        self.require("devtools")  # text put in as the browser's own input puts a paste
        for pasted, wavelength in [("x" * (1 << 20), None), ("0." + "0" * 40000 + "3e40001", "100")]:
            with self.subTest(pasted[:8]):
                self.check_paste(pasted, wavelength, lambda field, text=pasted: self.cdp("Input.insertText", text=text))

    def test_lone_surrogate(self):
        self.check_paste("14\ud800" "20", None,
                         lambda field: self.driver.execute_script(
                             "arguments[0].value = '14\\ud800' + '20';"
                             "arguments[0].dispatchEvent(new InputEvent('input', {bubbles: true}))", field))


class WebKit(Page):
    """Every case of the page in WebKit, the engine of Safari and of every
    browser on an iPhone or iPad, as Debian's WebKitGTK runs it."""

    @classmethod
    def make_engine(cls):
        return engines.WebKit(locales=LOCALES)


class Firefox(Page):
    """Every case of the page in Firefox ESR."""

    @classmethod
    def make_engine(cls):
        return engines.Firefox(node_modules=NODE_MODULES)


class Phone(Page):
    """Every case of the page again on a phone 360 CSS pixels wide with a
    touch screen, where the form stands in one column; and what that column
    promises, at 360 and at 320 pixels."""

    def setUp(self):
        self.require("phone")
        self.phone(360)
        super().setUp()

    def tearDown(self):
        if self.engine.can("phone"):
            self.engine.viewport(*engines.DESKTOP, mobile=False)

    def assert_layout(self):
        self.assertTrue(self.driver.execute_script("return document.documentElement.classList.contains('column')"),
                        "the phone's column is not in force")

    def phone(self, width):
        """A phone's screen of that width, with touch; it stays across a restart of the browser."""
        self.engine.viewport(width, 740, mobile=True)

    def tap(self, x, y):
        self.require("touch")
        self.engine.tap(x, y)

    def test_column_for_fingers(self):
        names = [c["name"] for c in CONTROLS]
        for width in (360, 320):
            with self.subTest(width=width):
                self.phone(width)
                self.open_page()
                page = self.driver.execute_script("""
                    const form = document.getElementById('form1').getBoundingClientRect();
                    const items = Array.from(document.querySelectorAll('#form1 input, #form1 button'));
                    const rect = (e) => e.getBoundingClientRect();
                    const label = (e) => { const l = e.labels[0];
                        return l && l.offsetHeight > 0 && rect(l).bottom <= rect(e).top ? l.textContent : null; };
                    return {column: document.documentElement.classList.contains('column'),
                            scroll: document.documentElement.scrollWidth - document.documentElement.clientWidth,
                            order: items.map((e) => e.id),
                            descending: items.every((e, i) => i === 0 || rect(e).top > rect(items[i - 1]).top),
                            small: items.filter((e) => rect(e).width < 44 || rect(e).height < 44).map((e) => e.id),
                            narrowButtons: items.filter((e) => e.tagName === 'BUTTON' &&
                                                        Math.abs(rect(e).width - form.width) > 0.5).map((e) => e.id),
                            smallestInputFont: Math.min(...items.filter((e) => e.tagName === 'INPUT')
                                                             .map((e) => parseFloat(getComputedStyle(e).fontSize))),
                            labels: items.filter((e) => e.tagName === 'INPUT')
                                         .filter((e) => label(e) !== e.getAttribute('aria-label')).map((e) => e.id),
                            keyboards: items.map((e) => e.inputMode).filter((m) => m !== '' && m !== 'text')};""")
                self.assertEqual(page, {"column": True, "scroll": 0, "order": names, "descending": True, "small": [],
                                        "narrowButtons": [], "smallestInputFont": 16, "labels": [], "keyboards": []})
                self.assertEqual(self.overflowing(), [])
                # A report fits the screen, its text wraps, and OK is a finger's size.
                self.access("b")
                report = self.driver.execute_script("""
                    const d = document.getElementById('report').getBoundingClientRect();
                    const ok = document.getElementById('report-ok').getBoundingClientRect();
                    const text = document.getElementById('report-text');
                    return [d.left >= 0 && d.right <= document.documentElement.clientWidth,
                            text.scrollWidth <= text.clientWidth, ok.width >= 44 && ok.height >= 44];""")
                self.assertEqual(report, [True, True, True])
                self.keys(Keys.ESCAPE)

    def test_a_tap_selects_the_prompt(self):
        self.require("touch")
        x, y, length = self.driver.execute_script(
            "const e = document.getElementById('FreqText'); e.scrollIntoView();"
            "const r = e.getBoundingClientRect(); return [r.left + r.width * 0.7, r.top + r.height / 2,"
            " e.value.length];")
        self.tap(x, y)
        time.sleep(0.2)
        self.assertEqual(self.active(), "FreqText")
        self.assertEqual(self.selection(), [0, length, length])
        self.keys("1")
        self.assertEqual(self.value("FreqText"), "1")


class FirefoxPhone(Phone, Firefox):
    """The phone's cases in Firefox, with its own mobile viewport and touch."""


class WebKitPhone(Phone, WebKit):
    """The phone's cases in WebKit, each skipped where it asks for a phone."""


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
                        return Array.from(document.querySelectorAll('#form1 > input, #form1 > button'), (e) => {
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


def notes_texts():
    """The notes page's texts as it ships, in English: each element's whole text by its id."""
    class Texts(html.parser.HTMLParser):
        def __init__(self):
            super().__init__()
            self.found, self.open = {}, []

        def handle_starttag(self, tag, attrs):
            if tag not in ("meta", "link", "br"):  # elements without an end
                self.open.append(dict(attrs).get("id"))

        def handle_endtag(self, tag):
            self.open.pop()

        def handle_data(self, data):
            if self.open and self.open[-1] and data.strip():
                self.found[self.open[-1]] = self.found.get(self.open[-1], "") + data

    parser = Texts()
    with open(os.path.join(SITE, "notes.html"), encoding="utf-8") as f:
        parser.feed(f.read())
    return parser.found


def make_locales():
    """The locales WebKit's cases start it in, made where LOCPATH can name them."""
    for locale in ("en_US", "de_DE"):
        subprocess.run(["localedef", "-i", locale, "-f", "UTF-8", os.path.join(LOCALES, locale + ".UTF-8")],
                       check=True)


if __name__ == "__main__":
    # The locales' folder goes when the suite ends, however it ends.
    with tempfile.TemporaryDirectory(prefix="ardelin-locales-") as LOCALES:
        make_locales()
        ours, unittest_args = (sys.argv[:sys.argv.index("--")], sys.argv[sys.argv.index("--") + 1:]) \
            if "--" in sys.argv else (sys.argv, [])
        TABLES.update(json.loads(subprocess.run(ours[2:], check=True, capture_output=True, text=True).stdout))
        CONTROLS.extend(TABLES["controls"])
        start_server(ours[1])
        result = unittest.main(argv=ours[:1] + unittest_args, verbosity=2, exit=False).result
    sys.exit(0 if result.wasSuccessful() else 1)
