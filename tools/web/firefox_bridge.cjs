// SPDX-License-Identifier: GPL-3.0-or-later
// Drives Debian's Firefox ESR over WebDriver BiDi with puppeteer-core, for
// the page's tests, which run in Python: one JSON request a line on standard
// input, one JSON answer a line on standard output ({"value": …} or
// {"error": "…"}).
// Usage: node firefox_bridge.cjs NODE_MODULES
"use strict";
const path = require("node:path");
const readline = require("node:readline");
const puppeteer = require(path.join(process.argv[2], "puppeteer-core"));

let browser;
let page;

const requests = {
    // Firefox with the language a person would set in its preferences.
    async launch({language, width, height}) {
        const prefs = language ? {"intl.accept_languages": language, "intl.locale.requested": language} : {};
        browser = await puppeteer.launch({browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true,
                                          extraPrefsFirefox: prefs});
        page = await browser.newPage();
        await page.setViewport({width, height});
    },
    async goto({url}) {
        await page.goto(url);
    },
    // A function body with its arguments, as WebDriver's "execute script"
    // takes it; {"element": id} stands for an element. Evaluated as the
    // browser's own script, outside the page's CSP.
    async script({body, args}) {
        const values = args.map((a) => (a !== null && typeof a === "object" && "element" in a
                                             ? `document.getElementById(${JSON.stringify(a.element)})`
                                             : JSON.stringify(a)));
        return page.evaluate(`(function () { ${body} }).apply(null, [${values.join(", ")}])`);
    },
    // Keys pressed in order while the modifiers are held.
    async keys({keys, modifiers}) {
        for (const m of modifiers) {
            await page.keyboard.down(m);
        }
        for (const k of keys) {
            await page.keyboard.press(k);
        }
        for (const m of modifiers.slice().reverse()) {
            await page.keyboard.up(m);
        }
    },
    async preload({source}) {
        return (await page.evaluateOnNewDocument(source)).identifier;
    },
    async unpreload({handle}) {
        await page.removeScriptToEvaluateOnNewDocument(handle);
    },
    async viewport({width, height, mobile}) {
        await page.setViewport({width, height, deviceScaleFactor: mobile ? 2 : 1, isMobile: mobile, hasTouch: mobile});
    },
    async tap({x, y}) {
        await page.touchscreen.tap(x, y);
    },
    async click({id}) {
        await page.click(`#${id}`);
    },
    async quit() {
        await browser.close();
    },
};

const lines = readline.createInterface({input: process.stdin});
let queue = Promise.resolve();
lines.on("line", (line) => {
    queue = queue.then(async () => {
        const {op, ...args} = JSON.parse(line);
        try {
            const value = await requests[op](args);
            process.stdout.write(JSON.stringify({value: value === undefined ? null : value}) + "\n");
        } catch (error) {
            process.stdout.write(JSON.stringify({error: String(error && error.stack || error)}) + "\n");
        }
    });
});
lines.on("close", () => queue.then(() => process.exit(0)));
