# SPDX-License-Identifier: GPL-3.0-or-later
"""Firefox ESR for the page's tests, through puppeteer-core over WebDriver
BiDi (Debian has no geckodriver): a driver with the calls the tests make of
Selenium's, answered by firefox_bridge.cjs."""
import json
import os
import subprocess

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

BRIDGE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "firefox_bridge.cjs")
# Selenium's key codes as puppeteer names the keys.
KEY_NAMES = {Keys.TAB: "Tab", Keys.SHIFT: "Shift", Keys.ALT: "Alt", Keys.ENTER: "Enter", Keys.RETURN: "Enter",
             Keys.ESCAPE: "Escape", Keys.CONTROL: "Control"}


class Element:
    def __init__(self, driver, element_id):
        self.driver, self.id = driver, element_id

    def evaluate(self, expression):
        return self.driver.execute_script(f"const e = arguments[0]; return {expression};", self)

    def get_property(self, name):
        return self.driver.execute_script("return arguments[0][arguments[1]]", self, name)

    def get_attribute(self, name):
        return self.driver.execute_script("return arguments[0].getAttribute(arguments[1])", self, name)

    def click(self):
        self.driver.call("click", id=self.id)

    def is_displayed(self):
        return self.evaluate("e.getClientRects().length > 0")

    @property
    def tag_name(self):
        return self.evaluate("e.localName")

    @property
    def text(self):
        return self.evaluate("e.innerText")


class Firefox:
    def __init__(self, node_modules, language=None, width=1000, height=900):
        self.process = subprocess.Popen(["node", BRIDGE, node_modules], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True)
        self.call("launch", language=language, width=width, height=height)

    def call(self, op, **arguments):
        self.process.stdin.write(json.dumps({"op": op, **arguments}) + "\n")
        self.process.stdin.flush()
        answer = json.loads(self.process.stdout.readline() or '{"error": "the bridge ended"}')
        if "error" in answer:
            raise AssertionError(f"firefox: {op}: {answer['error']}")
        return answer["value"]

    def get(self, url):
        self.call("goto", url=url)

    def execute_script(self, body, *args):
        return self.call("script", body=body,
                         args=[{"element": a.id} if isinstance(a, Element) else a for a in args])

    def find_element(self, by, value):
        assert by == By.ID, by
        return Element(self, value)

    def press(self, keys, modifiers):
        """Each key in turn (a Selenium key code or a text, typed character by character)."""
        names = [KEY_NAMES.get(k, k) for key in keys for k in ([key] if key in KEY_NAMES else key)]
        self.call("keys", keys=names, modifiers=[KEY_NAMES[m] for m in modifiers])

    def quit(self):
        try:
            self.call("quit")
        finally:
            self.process.stdin.close()
            self.process.wait(timeout=30)
            self.process.stdout.close()
