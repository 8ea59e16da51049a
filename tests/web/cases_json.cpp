// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, as JSON, the tables the browser tests share with the other front
// ends' tests: the control table in twips, the failed presses with their
// reports (report_cases.hpp), the languages chosen from preferences and, in
// each language, what its controls show, its units and the report of one
// failed press (language_cases.hpp).
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>
#include <exception>
#include <string>
#include <string_view>

#include "../view/language_cases.hpp"
#include "../view/report_cases.hpp"
#include "calc/handlers.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/language.hpp"
#include "window/view/press.hpp"

namespace {

std::string Quoted(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string List(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "" : ", ") + Quoted(items[i]);
    }
    return out + "]";
}

// What the page shows in the language in use: each control's name, label
// (its name for screen readers), tooltip, prompt or caption without its '&'
// and access key; the units; the report of one failed press, of the
// language's index's kind in turn.
std::string InLanguage(std::size_t index) {
    using namespace ardelin;
    std::string json = "{\"rightToLeft\": " + std::string(view::RightToLeft() ? "true" : "false") + ", \"controls\": [";
    for (const view::Control& c : view::kControls) {
        json += (&c == view::kControls.data() ? "" : ", ");
        json += "{\"name\": " + Quoted(view::Name(c)) + ", \"label\": " + Quoted(view::AccessibleName(c)) +
                ", \"toolTip\": " + Quoted(view::ToolTip(c));
        if (const Field* field = std::get_if<Field>(&c.which)) {
            json += ", \"prompt\": " + Quoted(view::Prompt(*field));
        } else {
            const view::CaptionParts caption = view::SplitCaption(view::Caption(std::get<Button>(c.which)));
            json += ", \"caption\": " + Quoted(std::string(caption.before) + std::string(caption.key) +
                                                std::string(caption.after)) +
                    ", \"key\": " + Quoted(caption.key);
        }
        json += "}";
    }
    json += "], \"units\": {";
    for (const std::string_view unit : {" degrees", " kelvin", " Janskies"}) {
        json += std::string(unit == " degrees" ? "" : ", ") + Quoted(unit) + ": " + Quoted(view::Tr(unit));
    }
    json += "}, \"reports\": [";
    // One report a language, a different kind in turn: the session's own
    // suite runs each kind in every language.
    const std::vector<test::ReportCase> kinds = test::OneReportOfEachKind();
    const test::ReportCase& c = kinds[index % kinds.size()];
    Form1 form(c.separator, view::Words());
    BindCalculations(form);
    for (const std::string& pair : c.inputs) {
        const std::size_t eq = pair.find('=');
        form.SetText(*FieldByName(pair.substr(0, eq)), pair.substr(eq + 1));
    }
    const std::optional<view::Report> report = view::Press(form, c.button);
    json += "{\"name\": " + Quoted(c.name) + ", \"text\": " + Quoted(report ? report->text : "") + "}";
    return json + "]}";
}

}  // namespace

int main() try {
    using namespace ardelin;
    std::string json = "{\"controls\": [";
    for (const view::Control& c : view::kControls) {
        json += (&c == view::kControls.data() ? "" : ", ");
        json += "{\"name\": " + Quoted(view::Name(c)) + ", \"place\": [" + std::to_string(c.place.left) + ", " +
                std::to_string(c.place.top) + ", " + std::to_string(c.place.width) + ", " +
                std::to_string(c.place.height) + "], \"accessibleName\": " + Quoted(c.accessibleName) +
                ", \"toolTip\": " + Quoted(c.toolTip) + "}";
    }
    json += "],\n\"reports\": [";
    bool first = true;
    for (const test::ReportCase& c : test::ReportCases()) {
        json += first ? "\n" : ",\n";
        first = false;
        json += "{\"name\": " + Quoted(c.name) + ", \"inputs\": [";
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            json += (i == 0 ? "" : ", ") + Quoted(c.inputs[i]);
        }
        json += "], \"button\": " + Quoted(Info(c.button).name) + ", \"text\": " + Quoted(c.text) +
                ", \"focus\": " + Quoted(c.focus) + ", \"dtAfter\": " + Quoted(c.dtAfter) +
                ", \"separator\": " + Quoted(std::string(1, c.separator)) + "}";
    }
    json += "],\n\"oneOfEachKind\": [";
    for (const test::ReportCase& c : test::OneReportOfEachKind()) {
        json += std::string(c.name == test::kOneReportOfEachKind.front() ? "" : ", ") + Quoted(c.name);
    }
    json += "],\n\"choices\": [";
    for (const test::LanguageChoice& c : test::LanguageChoices()) {
        json += std::string(c.why == test::LanguageChoices().front().why ? "" : ", ") + "{\"why\": " + Quoted(c.why) +
                ", \"preferred\": " + List(c.preferred) + ", \"shown\": " + Quoted(c.shown) +
                ", \"available\": " + List(c.available) + "}";
    }
    json += "],\n\"worked\": {\"inputs\": [";
    for (const std::string_view input : test::kWorkedInputs) {
        json += std::string(input == test::kWorkedInputs.front() ? "" : ", ") + Quoted(input);
    }
    json += "], \"results\": [";
    for (const test::WorkedResult& r : test::kWorkedResults) {
        json += std::string(&r == test::kWorkedResults.data() ? "" : ", ") + "[" + Quoted(Info(r.field).name) + ", " +
                Quoted(r.digits) + ", " + Quoted(r.unit) + "]";
    }
    json += "]},\n\"languages\": {";
    for (std::size_t index = 0; index < view::Languages().size(); ++index) {
        const std::string_view code = view::Languages()[index];
        view::UseLanguage(code);
        json += std::string(index == 0 ? "" : ",\n") + Quoted(code) + ": " + InLanguage(index);
    }
    view::UseLanguage(view::kEnglish);
    json += "}}\n";
    std::fputs(json.c_str(), stdout);
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
}
