# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's headless Chromium under Selenium, as the page's tests, screenshot
and benchmark use it; and opening the page until it says it is ready."""
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


def open_page(driver, address):
    driver.get(address)
    for _ in range(200):
        if driver.execute_script("return document.documentElement.dataset.ready === 'true'"):
            return
        time.sleep(0.05)
    raise AssertionError(f"{address} never became ready")
