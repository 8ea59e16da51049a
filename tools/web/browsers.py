# SPDX-License-Identifier: GPL-3.0-or-later
"""The browsers the page's tests, screenshot and benchmark use: Debian's
headless Chromium under Selenium; WebKitGTK's MiniBrowser under its
WebKitWebDriver (in an X display); and opening the page until it says it is
ready. Firefox is firefox.py's."""
import os
import sysconfig
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def browser(font_size=16, scale_factor=1, window="1000,900"):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # No background traffic: this machine's network is closed.
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     f"--window-size={window}", f"--force-device-scale-factor={scale_factor}"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"webkit": {"webprefs": {"default_font_size": font_size}}})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def webkit(language="en_US.UTF-8", locales=None):
    """MiniBrowser, whose language is its process's LANG: a locale the C
    library has (or one made into the folder LOCPATH names)."""
    options = webdriver.WebKitGTKOptions()
    # In this machine's multiarch folder (x86_64-linux-gnu, aarch64-linux-gnu).
    options.binary_location = f"/usr/lib/{sysconfig.get_config_var('MULTIARCH')}/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    saved = dict(os.environ)
    os.environ.update(LANG=language, LC_ALL=language, **({"LOCPATH": locales} if locales else {}))
    try:
        driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
    finally:
        os.environ.clear()
        os.environ.update(saved)
    driver.set_window_rect(width=1000, height=900)
    return driver


def open_page(driver, address):
    driver.get(address)
    await_ready(driver, address)


def await_ready(driver, what):
    """Until the page in the driver's current document says it is ready."""
    for _ in range(200):
        if driver.execute_script("return document.documentElement.dataset.ready === 'true'"):
            return
        time.sleep(0.05)
    raise AssertionError(f"{what} never became ready")
