#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Saves a screenshot of the page in headless Chromium with the worked examples
typed in from the keyboard and all three results shown; with a width, on a
phone of that many CSS pixels (twice the device pixels), in one column.
Usage: screenshot.py SITE PNG [WIDTH]"""
import sys
import threading

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import serve
from browsers import browser, open_page


def main(site, png, width=None):
    server, address = serve.serve(site)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    driver = browser(window="640,1000")
    try:
        if width:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                   {"width": int(width), "height": 1150, "deviceScaleFactor": 2, "mobile": True})
        open_page(driver, address)
        # The diameter prompt is selected at start, and each prompt on Tab: typing replaces it.
        typing = ActionChains(driver)
        for text, tabs in (("2", 2), ("100", 1), ("1", 1), ("1", 1), ("50", 1), ("10", 6), ("1420", 0)):
            typing.send_keys(text)
            for _ in range(tabs):
                typing.send_keys(Keys.TAB)
        for key in "cbl":
            typing.key_down(Keys.ALT).send_keys(key).key_up(Keys.ALT)
        typing.perform()
        driver.save_screenshot(png)
    finally:
        driver.quit()
        server.shutdown()


if __name__ == "__main__":
    main(*sys.argv[1:4])
