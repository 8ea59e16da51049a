// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page's form as HTML from the window's description: every
// control in tab order with its id, prompt or caption, access key, tooltip
// and screen-reader name, and each field's visible label. The page ships
// with it, so that its first paint already shows the whole form and the
// module only brings it to life. Also writes the row of links to the page
// in each of its languages, each named in itself.
// Usage: form_html FORM.html LANGUAGES.html
#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>

#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/language.hpp"
#include "window/view/info.hpp"
#include "window/view/press.hpp"

namespace {

using ardelin::Field;
namespace view = ardelin::view;

// Text as HTML character data or a quoted attribute's value.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + Escaped(value) + "\"";
}

// The name, the screen-reader name and the tooltip, where there is one.
std::string Common(const view::ControlWords& words) {
    std::string out = Attribute("id", words.name) + Attribute("aria-label", words.label);
    if (!words.toolTip.empty()) {
        out += Attribute("title", words.toolTip);
    }
    return out;
}

// A field under its label (the label shows only in the one-column layout).
std::string FieldHtml(const view::ControlWords& words) {
    return "<label" + Attribute("for", words.name) + ">" + Escaped(words.label) + "</label>\n<input type=\"text\"" +
           Common(words) + Attribute("value", words.prompt) +
           Attribute("maxlength", std::to_string(view::kFieldMaxLength)) +
           " spellcheck=\"false\" autocapitalize=\"off\">\n";
}

// "&Beam Width": the letter after '&' is the access key, underlined.
std::string ButtonHtml(const view::ControlWords& words) {
    const view::CaptionParts& caption = words.caption;
    if (caption.key.empty()) {
        return "<button type=\"button\"" + Common(words) + ">" + Escaped(caption.before) + "</button>\n";
    }
    return "<button type=\"button\"" + Common(words) + Attribute("accesskey", words.accessKey) + ">" +
           Escaped(caption.before) + "<u>" + Escaped(caption.key) + "</u>" + Escaped(caption.after) + "</button>\n";
}

// A link to the page in each language, English first, named in that
// language and marked with its tag ("pt-BR") and direction.
std::string LanguageLinks() {
    std::string html;
    const auto link = [&html](std::string_view code) {
        view::UseLanguage(code);
        std::string tag(code);
        std::replace(tag.begin(), tag.end(), '_', '-');
        html += std::string(html.empty() ? "" : " ·\n") + "<a" + Attribute("href", "?lang=" + tag) +
                Attribute("hreflang", tag) + Attribute("lang", tag) +
                (view::RightToLeft() ? Attribute("dir", "rtl") : "") + ">" + Escaped(view::LanguageName()) + "</a>";
    };
    link(view::kEnglish);
    for (const std::string_view code : view::Languages()) {
        link(code);
    }
    view::UseLanguage(view::kEnglish);
    return html + "\n";
}

bool Write(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "form_html: cannot write " << path << "\n";
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: form_html FORM.html LANGUAGES.html\n";
        return 2;
    }
    std::string html;
    for (const view::Control& c : view::kControls) {
        const view::ControlWords words = view::WordsOf(c);
        html += std::holds_alternative<Field>(c.which) ? FieldHtml(words) : ButtonHtml(words);
    }
    return Write(argv[1], html) && Write(argv[2], LanguageLinks()) ? 0 : 1;
}
