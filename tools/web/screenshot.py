#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Saves a screenshot of the page in headless Chromium with the worked examples
typed in from the keyboard and all three results shown; with a width, on a
phone of that many CSS pixels (twice the device pixels), in one column; with
--lang, in that language (as its link at the page's foot picks it); with
--report, with the report of a frequency of zero open over it; with --notes,
the notes page its footer's link opens instead, in the page's language.
Usage: screenshot.py SITE PNG [WIDTH] [--lang CODE] [--report | --notes]"""
import argparse
import threading
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import serve
from browsers import browser, open_page


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site")
    parser.add_argument("png")
    parser.add_argument("width", nargs="?", type=int)
    parser.add_argument("--lang")
    parser.add_argument("--report", action="store_true")
    parser.add_argument("--notes", action="store_true")
    args = parser.parse_args()
    server, address = serve.serve(args.site)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    driver = browser(window="640,1000")
    try:
        if args.width:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                   {"width": args.width, "height": 1150, "deviceScaleFactor": 2, "mobile": True})
        open_page(driver, address + (f"?lang={args.lang}" if args.lang else ""))
        if args.notes:
            driver.find_element("id", "notes").click()
            for _ in range(200):
                if driver.execute_script("return location.pathname.endsWith('/notes.html') && "
                                         "document.documentElement.dataset.ready === 'true'"):
                    break
                time.sleep(0.05)
            else:
                raise AssertionError("the notes page never became ready")
            driver.save_screenshot(args.png)
            return
        # Convert, Beam Width and Lower limit, by their access keys in the page's language.
        keys = driver.execute_script(
            "return ['Command3', 'Command1', 'Command2'].map((id) => document.getElementById(id).accessKey)")
        # The diameter prompt is selected at start, and each prompt on Tab: typing replaces it.
        typing = ActionChains(driver)
        for text, tabs in (("2", 2), ("100", 1), ("1", 1), ("1", 1), ("50", 1), ("10", 6), ("1420", 0)):
            typing.send_keys(text)
            for _ in range(tabs):
                typing.send_keys(Keys.TAB)
        for key in keys:
            typing.key_down(Keys.ALT).send_keys(key).key_up(Keys.ALT)
        if args.report:
            # A frequency of zero converted: Division by zero.
            typing.click(driver.find_element("id", "FreqText")).key_down(Keys.CONTROL).send_keys("a")
            typing.key_up(Keys.CONTROL).send_keys("0").key_down(Keys.ALT).send_keys(keys[0]).key_up(Keys.ALT)
        typing.perform()
        driver.save_screenshot(args.png)
    finally:
        driver.quit()
        server.shutdown()


if __name__ == "__main__":
    main()
