# SPDX-License-Identifier: GPL-3.0-or-later
"""The three engines the page's cases run in, each behind one small
interface: keys and access keys, language, scripts that run before the
page's own, viewport and touch, the accessibility tree, and what only
DevTools can do. Each engine says what it lacks and why, so that a case
asks for what it needs in one line and no helper asks which engine it is."""
import os
import sys
import urllib.parse

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "web"))
import browsers  # noqa: E402
import firefox  # noqa: E402

DESKTOP = (1000, 900)
# A phone's screen as a frame of its size in a page of the test server's:
# inside it the page's viewport, media queries and layout are the frame's.
PHONE_FRAME_PATH = "/phone-frame.html"
PHONE_FRAME = b"""<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>A phone's screen</title>
<style>html, body { margin: 0; } iframe { display: block; border: 0; }</style></head>
<body><iframe id="phone" title="Ardelin"></iframe>
<script>
const asked = new URLSearchParams(location.search);
const frame = document.getElementById("phone");
frame.width = asked.get("width");
frame.height = asked.get("height");
frame.src = asked.get("src");
</script></body></html>
"""
# What a case may need, beyond what every engine does.
NEEDS = {"devtools", "accessibility tree", "init script", "phone", "touch", "service worker", "non-Latin access key",
         "phone without its server"}


class Engine:
    """One browser and what the cases ask of it."""
    name = ""
    lacks = {}  # need -> why this engine cannot meet it
    own_loads = ()  # files the browser loads for its own interface whenever it likes
    access_modifiers = (Keys.ALT,)

    def __init__(self, locale=None):
        assert set(self.lacks) <= NEEDS, set(self.lacks) - NEEDS
        self.locale, self.size, self.mobile = locale, DESKTOP, False
        self.driver = self.start(locale)

    def start(self, locale):
        raise NotImplementedError

    def quit(self):
        self.driver.quit()

    def restart(self, locale):
        """The browser anew in another locale, at the viewport it had."""
        self.quit()
        self.locale = locale
        self.driver = self.start(locale)
        if self.mobile or self.size != DESKTOP:
            self.viewport(*self.size, mobile=self.mobile)

    def keys(self, keys, modifiers=()):
        chain = ActionChains(self.driver)
        for m in modifiers:
            chain.key_down(m)
        for k in keys:
            chain.send_keys(k)
        for m in reversed(modifiers):
            chain.key_up(m)
        chain.perform()

    def language(self, locale):
        """Intl's locale and navigator.language; None for the browser's own."""
        self.restart(locale)

    def viewport(self, width, height, mobile):
        self.size, self.mobile = (width, height), mobile
        self.driver.set_window_rect(width=width, height=height)

    def can(self, need):
        return need not in self.lacks

    def open(self, address):
        """The page, until it says it is ready."""
        browsers.open_page(self.driver, address)

    def role_and_name(self, element):
        return element.aria_role, element.accessible_name


class Chromium(Engine):
    """Debian's headless Chromium under Selenium and ChromeDriver, with DevTools."""
    name = "chromium"

    def start(self, locale):
        return browsers.browser()

    def devtools(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def language(self, locale):
        self.locale = locale
        self.devtools("Emulation.setLocaleOverride", **({"locale": locale} if locale else {}))
        self.devtools("Network.setUserAgentOverride", userAgent=self.driver.execute_script("return navigator.userAgent"),
                      acceptLanguage=locale or "en-US")

    def add_init_script(self, source):
        return self.devtools("Page.addScriptToEvaluateOnNewDocument", source=source)["identifier"]

    def remove_init_script(self, handle):
        self.devtools("Page.removeScriptToEvaluateOnNewDocument", identifier=handle)

    def viewport(self, width, height, mobile):
        self.size, self.mobile = (width, height), mobile
        if (width, height, mobile) == (*DESKTOP, False):
            self.devtools("Emulation.clearDeviceMetricsOverride")
        else:
            self.devtools("Emulation.setDeviceMetricsOverride", width=width, height=height,
                          deviceScaleFactor=2 if mobile else 1, mobile=mobile)
        self.devtools("Emulation.setTouchEmulationEnabled", enabled=mobile, **({"maxTouchPoints": 5} if mobile else {}))

    def tap(self, x, y):
        self.devtools("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.devtools("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def console_errors(self):
        """The console's errors since the last call."""
        return [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]


class Firefox(Engine):
    """Debian's Firefox ESR through puppeteer-core over WebDriver BiDi (Debian
    has no geckodriver); its language from its preferences, so a new
    language starts it anew."""
    name = "firefox"
    lacks = {"devtools": "its driver has no DevTools protocol",
             "accessibility tree": "puppeteer-core reads no accessibility tree over WebDriver BiDi"}
    own_loads = ("/ardelin.ico", "/icon-192.png")  # the icons the page links, for its tab
    access_modifiers = (Keys.ALT, Keys.SHIFT)

    def __init__(self, locale=None, node_modules=None):
        self.node_modules = node_modules
        super().__init__(locale)

    def start(self, locale):
        return firefox.Firefox(self.node_modules, locale, *DESKTOP)

    def keys(self, keys, modifiers=()):
        self.driver.press(keys, modifiers)

    def add_init_script(self, source):
        return self.driver.call("preload", source=source)

    def remove_init_script(self, handle):
        self.driver.call("unpreload", handle=handle)

    def viewport(self, width, height, mobile):
        self.size, self.mobile = (width, height), mobile
        self.driver.call("viewport", width=width, height=height, mobile=mobile)

    def tap(self, x, y):
        self.driver.call("tap", x=x, y=y)


class WebKit(Engine):
    """WebKitGTK's MiniBrowser under WebKitWebDriver in an X display, the
    engine of Safari; its language is its process's locale."""
    name = "webkit"
    lacks = {"devtools": "its driver has no DevTools protocol",
             "init script": "its driver runs no script before the page's own",
             "touch": "its driver sends no touch (Chromium's and Firefox's phones tap)",
             "non-Latin access key": "its driver's Alt with a Hebrew or Cyrillic letter reaches no access key",
             "phone without its server": "its phone is a frame in a page of the test server's, gone with it"}

    def __init__(self, locale=None, locales=None):
        self.locales = locales
        super().__init__(locale)

    def start(self, locale):
        process_locale = (locale.replace("-", "_") + ".UTF-8" if locale and "." not in locale
                          else locale or "en_US.UTF-8")
        return browsers.webkit(process_locale, self.locales)

    def viewport(self, width, height, mobile):
        """A screen of another size is the page in a frame of that size (see open): its driver
        emulates none, and MiniBrowser's window goes no narrower than 447 px."""
        self.size, self.mobile = (width, height), mobile

    def open(self, address):
        self.driver.switch_to.default_content()
        if self.size == DESKTOP:
            super().open(address)
            return
        frame = urllib.parse.urljoin(address, PHONE_FRAME_PATH) + "?" + urllib.parse.urlencode(
            {"width": self.size[0], "height": self.size[1], "src": address})
        self.driver.get(frame)
        self.driver.switch_to.frame("phone")
        browsers.await_ready(self.driver, f"{address} in a frame of {self.size}")
