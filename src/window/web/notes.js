// SPDX-License-Identifier: GPL-3.0-or-later
// The notes page (notes.html) in the language its link from the main page
// names (?lang=, that page's language), from the main page's catalogue
// (lang/CODE.json, which the service worker keeps); English, as the page
// ships, without it or where the catalogue cannot be had. Run from the head,
// before the body shows: a page in another language shows nothing until
// every text is in it (class "translating", ardelin.css). The root
// element's data-ready is "true" once the texts are final.
"use strict";

(() => {
    const root = document.documentElement;
    const asked = new URLSearchParams(location.search).get("lang") || "en";
    // A code as the main page writes it ("de", "pt-BR"), and nothing else, names a file.
    const code = /^[a-z]{2,3}(-[A-Z]{2})?$/.test(asked) ? asked : "en";
    const parsed = new Promise((resolve) => document.addEventListener("DOMContentLoaded", resolve));
    const catalogue = code === "en" ? Promise.resolve({})
                                    : fetch(`lang/${code.replace("-", "_")}.json`)
                                          .then((response) => (response.ok ? response.json() : {}))
                                          .catch(() => ({}));
    if (code !== "en") {
        root.classList.add("translating");
    }
    Promise.all([catalogue, parsed]).then(([words]) => {
        if (Object.keys(words).length > 0) {
            translate(words, code);
        }
        root.classList.remove("translating");
        root.dataset.ready = "true";
    });
})();

// Each text by its element's id, the title from the heading, the language
// and direction, and the way back to the main page in the same language.
function translate(words, code) {
    const t = (english) => (Object.hasOwn(words, english) && words[english] ? words[english] : english);
    const root = document.documentElement;
    root.lang = code;
    root.dir = words["default:LTR"] === "default:RTL" ? "rtl" : "ltr";
    const texts = {
        // TRANSLATORS: the notes page's heading, and with " – Ardelin" after it its title.
        "heading": t("Notes on the lower limit"),
        // TRANSLATORS: a heading of the notes page, over the next text.
        "formulas-heading": t("Ardelin's own formulas"),
        "formulas": t("The lower limit follows Ardelin's own formulas, not the textbook's radiometer equation: its " +
                      "temperature is √10 ≈ 3.16 times smaller than the textbook's, and its flux about 1.60 times " +
                      "the textbook flux divided by the system efficiency."),
        // TRANSLATORS: the worked example of the main page against the textbook's figures.
        "example": t("For a 2 m dish at 100 K, 1 MHz and 1 s, with 50 % antenna and 10 % system efficiency, " +
                     "Ardelin shows 0.03162277 kelvin and 2818 Janskies; the textbook gives 0.1 K and, divided by " +
                     "the same system efficiency, 1758 Jy."),
        // TRANSLATORS: a heading of the notes page, over the next text.
        "limit-heading": t("The flux field's limit"),
        "limit": t("The flux is rounded to a 16-bit whole number, so beyond about ±32767 Jy the lower limit stops " +
                   "with an overflow report, after the kelvin result is shown. A dish as small as 0.6 m reaches it: " +
                   "at 150 K, 0.1 MHz and 1 s, with 50 % antenna and 10 % system efficiency, the flux is about " +
                   "148 500 Jy; a larger dish, bandwidth or time constant brings it within the limit."),
        // TRANSLATORS: the notes page's link back to the calculator.
        "back": t("Back to Ardelin"),
    };
    for (const [id, text] of Object.entries(texts)) {
        document.getElementById(id).textContent = text;
    }
    document.title = `${texts.heading} – Ardelin`;
    document.getElementById("back").search = `?lang=${code}`;
}
