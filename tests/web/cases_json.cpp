// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, as JSON, the tables the browser tests share with the other front
// ends' tests: the control table in twips and the failed presses with their
// reports (report_cases.hpp).
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "../view/report_cases.hpp"
#include "window/view/controls.hpp"

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
    json += "]}\n";
    std::fputs(json.c_str(), stdout);
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
}
