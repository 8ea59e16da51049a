// SPDX-License-Identifier: GPL-3.0-or-later
// The Ardelin page: brings to life the form the page ships with (written at
// build time from the window's description in the WebAssembly module),
// measures what each control needs in the page's font, places every control
// by the one scale rule, and hands presses to the module. The form model in
// the module holds every field's text; the inputs show it. Texts are only
// ever set as values or text nodes, never as markup.
// The root element's data-ready tells where the start stands, for tests and
// benchmarks: absent while the module loads; "true" once the form works;
// "false" when this browser cannot run it and the page says why instead.
// Its class "loading" holds until then: a phone's screen shows the form in
// one column meanwhile, a wider one nothing (ardelin.css).
// The page ships in English. In another language, its catalogue is fetched
// while the module loads, the module's texts come from it, and the page
// shows nothing but the form's place (class "translating") until every text
// is in that language.
"use strict";

// Which of the page's languages (the root's data-languages, English aside)
// to show for a list of language tags in order of preference: the first
// that matches, English among them, so that a lower-ranked translation
// never wins over a preferred English. A tag matches its language and
// region ("pt-BR"), else its language ("de-AT" reads de), else its
// language's only regional catalogue ("pt-PT" reads pt-BR). Traditional
// Chinese (zh-TW, zh-HK, zh-MO, zh-Hant) takes nothing from the Simplified
// one. Gives the code shown.
function chooseLanguage(preferred, available) {
    const parse = (text) => {
        const parts = String(text).split(/[.@]/)[0].toLowerCase().split(/[-_]/);
        const tag = {language: parts[0], script: "", region: ""};
        if (tag.language === "c" || tag.language === "posix") {
            tag.language = "en";
        }
        for (const part of parts.slice(1)) {
            if (part.length === 4 && !tag.script && !tag.region) {
                tag.script = part;
            } else if ((part.length === 2 || part.length === 3) && !tag.region) {
                tag.region = part;
            }
        }
        return tag;
    };
    const traditional = (t) => t.language === "zh" &&
                               (t.script === "hant" || (!t.script && ["tw", "hk", "mo"].includes(t.region)));
    const match = (tag) => {
        if (!tag.language || traditional(tag)) {
            return "";
        }
        if (tag.language === "en") {
            return "en";
        }
        const same = available.filter((code) => parse(code).language === tag.language);
        return same.find((code) => tag.region && parse(code).region === tag.region) ||
               same.find((code) => !parse(code).region) || (same.length === 1 ? same[0] : "");
    };
    for (const text of preferred) {
        const code = match(parse(text));
        if (code) {
            return code;
        }
    }
    return "en";
}

// The page's language: a ?lang= the reader picked (the links at the page's
// foot), then the browser's languages in order.
const language = chooseLanguage(
    [new URLSearchParams(location.search).get("lang") || "", ...(navigator.languages || [navigator.language])],
    document.documentElement.dataset.languages.split(" ").filter(Boolean));

// The language's catalogue, an object from English to translated text:
// empty for English, or where it cannot be fetched (English shows then).
const catalogue = (() => {
    if (language === "en") {
        return Promise.resolve({});
    }
    document.documentElement.classList.add("translating");
    return fetch(catalogueFile())
        .then((response) => (response.ok ? response.json() : {}))
        .catch(() => ({}));
})();
let words = {};

function catalogueFile() {
    return `lang/${language.replace("-", "_")}.json`;
}

// A text of the page's own in the page's language, "%1" replaced by `arg`.
function t(english, arg = "") {
    return (Object.hasOwn(words, english) && words[english] ? words[english] : english).replace("%1", arg);
}

// What this browser lacks to run the module, or "" if nothing. The tiny
// module declares one exception tag: it validates only where WebAssembly
// has exception handling, which the calculations' errors need.
function lacking() {
    if (typeof WebAssembly !== "object" || typeof WebAssembly.validate !== "function") {
        return "WebAssembly";
    }
    const withTag = new Uint8Array([
        0, 97, 115, 109, 1, 0, 0, 0,  // "\0asm", version 1
        1, 4, 1, 96, 0, 0,            // type section, 4 bytes: one type, a function with no parameters or results
        13, 3, 1, 0, 0,               // tag section (13), 3 bytes: one tag, an exception of type 0
    ]);
    return WebAssembly.validate(withTag) ? "" : "WebAssembly exception handling";
}

// Said in the page itself, in place of the form, when Ardelin cannot run:
// `why` gives the reason in the page's language.
async function cannotRun(why) {
    await useLanguage(null);
    const message = document.createElement("p");
    message.id = "unsupported";
    message.setAttribute("role", "alert");
    // TRANSLATORS: the page's message when the browser cannot run it; %1 is one of the reasons that follow.
    message.textContent = t("This browser cannot run Ardelin: %1. A current Chrome, Edge, Firefox or Safari can.",
                            why());
    document.getElementById("form1").replaceWith(message);
    document.documentElement.classList.remove("loading", "translating");
    document.documentElement.dataset.ready = "false";
}

// The decimal separator of the browser's language, whichever language the
// page's words are in, as a desktop's numbers follow its locale's. A tag that
// Intl rejects ("C", "", a malformed one) gives way to the browser's default
// locale, and that to '.'.
function decimalSeparator() {
    for (const tag of [navigator.language, undefined]) {
        try {
            const decimal = new Intl.NumberFormat(tag).formatToParts(1.5).find((part) => part.type === "decimal");
            if (decimal) {
                return decimal.value;
            }
        } catch {
            // the next candidate
        }
    }
    return ".";
}

(async () => {
    let core;
    try {
        const missing = lacking();
        if (missing !== "") {
            // TRANSLATORS: a reason the browser cannot run the page; %1 is "WebAssembly" or
            // "WebAssembly exception handling", left in English.
            cannotRun(() => t("it has no %1", missing));
            return;
        }
        if (typeof createArdelin !== "function") {
            // TRANSLATORS: a reason the browser cannot run the page; %1 is a file's name.
            cannotRun(() => t("its program file, %1, did not load", "ardelin-core.js"));
            return;
        }
        core = await createArdelin();
    } catch (error) {
        // TRANSLATORS: a reason the browser cannot run the page; %1 is the browser's own error, in its words.
        cannotRun(() => t("its WebAssembly module did not load or start (%1)", String(error)));
        return;
    }
    await useLanguage(core);
    start(core);
})();

// The page in its language: the catalogue handed to the module (when it
// runs), the page's own texts, its language and direction. The form's
// texts follow from the module, in build().
async function useLanguage(core) {
    words = await catalogue;
    const root = document.documentElement;
    const notes = document.getElementById("notes");
    notes.search = `?lang=${language}`;  // the notes page in this page's language
    if (language === "en") {
        return;
    }
    if (core) {
        core.useCatalogue(language.replace("-", "_"), words);
    }
    root.lang = language;
    // The module's word for the direction; without it (the page cannot run), the catalogue's.
    const rightToLeft = core ? core.rightToLeft() : words["default:LTR"] === "default:RTL";
    root.dir = rightToLeft ? "rtl" : "ltr";
    const licence = document.getElementById("licence");
    const link = licence.querySelector("a");
    // TRANSLATORS: at the page's foot, after the version; %1 is the link to the licence, the next text.
    const [before, after = ""] = t("free software under the %1", "\u0000").split("\u0000");
    link.textContent = t("GNU GPL, version 3 or later");
    licence.replaceChildren(before, link, after);
    // TRANSLATORS: a link to the archive of Ardelin's source, at the page's foot.
    document.getElementById("source").textContent = t("its source");
    // TRANSLATORS: a link at the page's foot, after "its source", to the page of notes on the lower limit.
    notes.textContent = t("notes on the lower limit");
    // TRANSLATORS: the name, for screen readers, of the row of links to the page in each language.
    document.getElementById("languages").setAttribute("aria-label", t("Languages"));
    // TRANSLATORS: the button that closes a report.
    document.getElementById("report-ok").textContent = t("OK");
    // TRANSLATORS: also the page's description, which search engines and shared links show.
    document.querySelector('meta[name="description"]').content =
        t("Beam width and lowest detectable fluctuation of a radio-telescope dish, and the wavelength of a frequency.");
}

// The page once the module runs: each control of the form measured and
// placed by the one scale rule and the layout fitted to the screen; then, in
// a task of its own so that neither keeps the browser busy for long, focus
// and presses handled and reports shown.
async function start(core) {
    document.documentElement.classList.remove("loading");  // measured as the table
    const page = build(core);
    const layout = core.layOut(measure(core, page));
    place(page, layout);
    fit(layout);
    addEventListener("resize", () => fit(layout));
    await new Promise((resolve) => setTimeout(resolve));

    const session = new core.Session(page.separator);
    const apply = applier(core, page, session);
    connect(page, session, apply);
    apply(session.start());
    page.form.removeAttribute("aria-busy");
    document.documentElement.dataset.ready = "true";
    performance.mark("ardelin-ready");

    if ("serviceWorker" in navigator) {
        navigator.serviceWorker.register("sw.js");
        if (language !== "en") {
            // The catalogue came before the worker ran: it keeps it for the page offline.
            navigator.serviceWorker.ready.then((r) => r.active && r.active.postMessage({keep: catalogueFile()}));
        }
    }
}

// Each control of the page's form in tab order, by the name the description
// gives it, with its texts in the page's language. The browser's language
// decides the decimal separator, both ways.
function build(core) {
    const form = document.getElementById("form1");
    const controls = core.controls();
    const elements = controls.map((c) => document.getElementById(c.name));
    if (language !== "en") {
        controls.forEach((c, i) => translate(elements[i], c));
    }
    document.documentElement.classList.remove("translating");
    const fieldIndices = controls.flatMap((c, i) => (c.kind === "field" ? [i] : []));
    return {form, controls, elements, fieldIndices, separator: decimalSeparator()};
}

// A control's texts as the module gives them: its name (a field's label),
// tooltip, a field's prompt, a button's caption with its access key
// underlined.
function translate(element, control) {
    element.setAttribute("aria-label", control.label);
    if (control.toolTip) {
        element.title = control.toolTip;
    } else {
        element.removeAttribute("title");
    }
    if (control.kind === "field") {
        element.labels[0].textContent = control.label;
        element.value = control.prompt;
        return;
    }
    const [before, key, after] = control.caption;
    if (!key) {
        element.replaceChildren(before);
        element.removeAttribute("accesskey");
        return;
    }
    const underlined = document.createElement("u");
    underlined.textContent = key;
    element.replaceChildren(before, underlined, after);
    element.accessKey = control.accessKey;
}

// What each control needs, in CSS pixels: a button its caption as the
// browser sizes it, a field its widest text in its own font inside its own
// padding and borders, with room for the caret.
function measure(core, {controls, elements, fieldIndices, separator}) {
    const canvas = document.createElement("canvas").getContext("2d");
    const style = getComputedStyle(elements[fieldIndices[0]]);
    canvas.font = style.font;
    const width = (text) => canvas.measureText(text).width;
    const digits = Array.from("0123456789", width);
    const widest = core.widestDigit(digits);
    const frame = ["paddingLeft", "paddingRight", "borderLeftWidth", "borderRightWidth"]
                      .reduce((sum, side) => sum + parseFloat(style[side]), 0);
    const caret = 2;
    return elements.map((element, i) => {
        const natural = element.getBoundingClientRect();
        if (controls[i].kind !== "field") {
            return {width: Math.ceil(natural.width), height: Math.ceil(natural.height)};
        }
        const texts = core.textsToShow(i, separator, widest);
        const text = texts.reduce((max, t) => Math.max(max, width(t)), 0);
        return {width: Math.ceil(text + frame) + caret, height: Math.ceil(natural.height)};
    });
}

// The table's places, handed to the style sheet as custom properties, which
// only its table layout reads (ardelin.css).
function place({form, elements}, layout) {
    const px = (n) => `${n}px`;
    layout.rects.forEach((r, i) => {
        const style = elements[i].style;
        style.setProperty("--left", px(r.left));
        style.setProperty("--top", px(r.top));
        style.setProperty("--width", px(r.width));
        style.setProperty("--height", px(r.height));
    });
    const root = document.documentElement.style;
    root.setProperty("--form-width", px(layout.client.width));
    root.setProperty("--form-height", px(layout.client.height));
    root.setProperty("--form-left", px(layout.rects[0].left));  // the footer under the left column
    form.dataset.scale = String(layout.scale);
}

// The table where the screen has room for it; else the same controls in one
// column, in tab order, each field under its label, at a size for fingers.
// This is the one rule between the two layouts.
function fit(layout) {
    const root = document.documentElement;
    const main = document.querySelector("main");
    root.classList.remove("column");  // the room measured as the table has it, whatever the layout was
    const room = main.clientWidth - parseFloat(getComputedStyle(main).paddingLeft) * 2;
    root.classList.toggle("column", room < layout.client.width);
}

// A text shows from its start: selected with the caret at the start, or
// with the caret there alone.
function selectFromStart(input) {
    input.setSelectionRange(0, input.value.length, "backward");
    input.scrollLeft = 0;
}

// Every event the session takes, delivered in its terms: a text edited, the
// focus coming (and how) and going (and where), a primary press in a field
// and a button pressed. Enter and Escape press nothing, and the form is
// never submitted.
function connect({form, controls, elements}, session, apply) {
    form.addEventListener("submit", (event) => event.preventDefault());
    form.addEventListener("keydown", (event) => {
        if (event.key === "Enter") {
            event.preventDefault();
        }
    });
    let byKeyboard = false;
    let pointing = false;
    addEventListener("keydown", (event) => { byKeyboard = event.key === "Tab"; }, true);
    addEventListener("pointerdown", () => { byKeyboard = false; pointing = true; }, true);
    addEventListener("pointerup", () => { pointing = false; }, true);
    const report = document.getElementById("report");
    // The model takes each field's text as well-formed UTF-16: a lone
    // surrogate reaches it as U+FFFD, while the field keeps what was typed.
    const wellFormed = (text) => (text.toWellFormed ? text.toWellFormed() : text);
    controls.forEach((c, i) => {
        const element = elements[i];
        element.addEventListener("focus", () => {
            apply(session.focusIn(i, byKeyboard ? "key" : pointing ? "pointer" : "program"));
        });
        if (c.kind === "button") {
            element.addEventListener("click", () => apply(session.press(i)));
            return;
        }
        element.addEventListener("input", () => session.textEdited(i, wellFormed(element.value)));
        element.addEventListener("blur", (event) => {
            const to = session.reportOpen() || report.contains(event.relatedTarget) ? "report"
                     : document.hasFocus() ? "control" : "window";
            apply(session.focusOut(i, to));
        });
        // The primary press before the focus: the session may take it, to select a prompt.
        element.addEventListener("mousedown", (event) => {
            if (event.button === 0) {
                const answer = session.primaryPress(i);
                if (answer.swallow) {
                    event.preventDefault();
                }
                apply(answer.effects);
            }
        });
        // A tap, once the browser has placed its caret for it.
        let tapped = false;
        element.addEventListener("pointerdown", (event) => {
            tapped = event.pointerType !== "mouse" && document.activeElement !== element;
        });
        element.addEventListener("click", () => {
            if (tapped) {
                apply(session.primaryPress(i).effects);
            }
            tapped = false;
        });
    });
}

// The session's answers applied to the page, in order. Each new result is
// said, with its field's name, in a polite live region; a report is the
// modal alert dialog, labelled with the title, closed by OK or Escape.
// Gives the function that applies an answer.
function applier(core, {elements}, session) {
    const said = document.getElementById("said");
    const dialog = document.getElementById("report");
    const reportText = document.getElementById("report-text");
    document.getElementById("report-title").textContent = core.title;
    let apply = () => {};
    // The focus moves as the report closes, not in the "close" event, which
    // comes a task later, after the browser has put the focus back itself.
    function closeReport() {
        if (dialog.open) {
            dialog.close();
            apply(session.reportClosed());
        }
    }
    document.getElementById("report-ok").addEventListener("click", closeReport);
    dialog.addEventListener("cancel", (event) => {
        event.preventDefault();
        closeReport();
    });
    apply = (effects) => {
        const sayings = [];
        for (const e of effects) {
            const element = elements[e.control];
            switch (e.kind) {
            case "show":
                element.value = e.text;
                element.setSelectionRange(0, 0);
                element.scrollLeft = 0;
                break;
            case "select":
                selectFromStart(element);
                break;
            case "caret":
                element.setSelectionRange(0, 0);
                element.scrollLeft = 0;
                break;
            case "focus":
                element.focus();
                break;
            case "report":
                reportText.textContent = e.report.text;
                dialog.showModal();
                break;
            case "speak": {
                const line = document.createElement("p");
                line.textContent = e.text;
                sayings.push(line);
                break;
            }
            }
        }
        if (sayings.length > 0) {
            said.replaceChildren(...sayings);  // new nodes: said again even when the same
        }
    };
    return apply;
}
