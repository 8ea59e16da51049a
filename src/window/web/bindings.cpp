// SPDX-License-Identifier: GPL-3.0-or-later
// The window's description and a form with its calculations, handed to the
// page through embind. Indices are the control table's (tab order); every
// text crosses as UTF-8 on this side and as a JavaScript string on the other.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/form1.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/info.hpp"
#include "window/view/layout.hpp"
#include "window/view/press.hpp"
#include "window/view/report.hpp"
#include "window/view/session.hpp"

namespace ardelin::web {
namespace {

using emscripten::val;
using view::kControls;

const view::Control& ControlAt(int index) { return kControls.at(static_cast<std::size_t>(index)); }

int IndexOf(Field field) { return static_cast<int>(view::IndexOf(field)); }

char Separator(const std::string& separator) { return view::DecimalSeparatorFrom(separator); }

val Rectangle(int left, int top, int width, int height) {
    val r = val::object();
    r.set("left", left);
    r.set("top", top);
    r.set("width", width);
    r.set("height", height);
    return r;
}

// The page's language from its catalogue, an object from English to
// translated text: every text the module gives from now on is in it.
void UseCatalogue(const std::string& code, const val& entries) {
    const val keys = val::global("Object").call<val>("keys", entries);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0, n = keys["length"].as<int>(); i < n; ++i) {
        const std::string english = keys[i].as<std::string>();
        pairs.emplace_back(english, entries[english].as<std::string>());
    }
    view::UseLanguage(view::Language::Given(code, std::move(pairs)));
}

// Every control in tab order, its words in the language in use as the view
// gives them (WordsOf), by the name of its element in the page (whose HTML
// the build writes from the same record): a field's label, tooltip and
// prompt; a button's caption around its access key, and the key as the
// accesskey attribute takes it.
val Controls() {
    val controls = val::array();
    for (const view::Control& c : kControls) {
        const view::ControlWords words = view::WordsOf(c);
        val row = val::object();
        row.set("name", std::string(words.name));
        row.set("label", std::string(words.label));
        row.set("toolTip", std::string(words.toolTip));
        if (std::holds_alternative<Field>(c.which)) {
            row.set("kind", std::string("field"));
            row.set("prompt", std::string(words.prompt));
        } else {
            row.set("kind", std::string("button"));
            row.set("caption", val::array(std::vector<std::string>{std::string(words.caption.before),
                                                                   std::string(words.caption.key),
                                                                   std::string(words.caption.after)}));
            row.set("accessKey", words.accessKey);
        }
        controls.call<void>("push", row);
    }
    return controls;
}

val TextsToShow(int index, const std::string& separator, const std::string& widestDigit) {
    val texts = val::array();
    for (const std::string& t :
         view::TextsToShow(ControlAt(index), Separator(separator), widestDigit.empty() ? '0' : widestDigit[0])) {
        texts.call<void>("push", t);
    }
    return texts;
}

// The scale rule over the sizes each control needs, in CSS pixels.
val LayOut(const val& needs) {
    std::array<view::Size, view::kControlCount> needed{};
    for (std::size_t i = 0; i < needed.size(); ++i) {
        const val need = needs[i];
        needed[i] = {need["width"].as<int>(), need["height"].as<int>()};
    }
    const view::Layout layout = view::LayOut(needed);
    val rects = val::array();
    for (const view::Rect& r : layout.rects) {
        rects.call<void>("push", Rectangle(r.left, r.top, r.width, r.height));
    }
    val result = val::object();
    result.set("scale", layout.scale);
    result.set("rects", rects);
    result.set("client", Rectangle(0, 0, layout.client.width, layout.client.height));
    return result;
}

// The digit of greatest advance among ten widths, '0' first.
std::string WidestDigit(const val& widths) {
    // NOLINTNEXTLINE(modernize-return-braced-init-list): braces would make the two chars {1, digit}
    return std::string(1, view::WidestDigit([&widths](char d) { return widths[d - '0'].as<double>(); }));
}

// The session as the page's controls see it: events in by control index,
// the session's answer out as an array of plain objects, each with a `kind`
// ("show", "select", "caret", "focus", "report" or "speak"), the `control`
// it concerns, and a `text` (shown or said) or a `report` ({text, unexpected}).
class WebSession {
public:
    explicit WebSession(const std::string& separator) : session_(Separator(separator)) {}

    val Start() { return Out(session_.Start()); }
    void TextEdited(int index, const std::string& text) {
        if (const Field* field = FieldAt(index)) {
            session_.TextEdited(*field, text);
        }
    }
    std::string Text(int index) const {
        const Field* field = FieldAt(index);
        return field != nullptr ? session_.Form().Text(*field) : std::string();
    }
    // `via`: "key", "shortcut", "pointer", "window" or anything else for the program.
    val FocusIn(int index, const std::string& via) {
        const view::FocusVia how = via == "key"        ? view::FocusVia::Key
                                   : via == "shortcut" ? view::FocusVia::Shortcut
                                   : via == "pointer"  ? view::FocusVia::Pointer
                                   : via == "window"   ? view::FocusVia::Window
                                                       : view::FocusVia::Program;
        return Out(session_.FocusIn(static_cast<view::ControlIndex>(index), how));
    }
    // `to`: "popup", "window", "report" or anything else for another control.
    val FocusOut(int index, const std::string& to) {
        const Field* field = FieldAt(index);
        if (field == nullptr) {
            return val::array();
        }
        const view::FocusTo where = to == "popup"    ? view::FocusTo::Popup
                                    : to == "window" ? view::FocusTo::OtherWindow
                                    : to == "report" ? view::FocusTo::Report
                                                     : view::FocusTo::Control;
        return Out(session_.FocusOut(*field, where));
    }
    // {swallow, effects}
    val PrimaryPress(int index) {
        val answer = val::object();
        const Field* field = FieldAt(index);
        view::Session::PressAnswer pressed = field != nullptr ? session_.PrimaryPress(*field)
                                                              : view::Session::PressAnswer{};
        answer.set("swallow", pressed.swallow);
        answer.set("effects", Out(pressed.effects));
        return answer;
    }
    val Press(int index) {
        const Button* button = std::get_if<Button>(&ControlAt(index).which);
        return button != nullptr ? Out(session_.Press(*button)) : val::array();
    }
    val ReportClosed() { return Out(session_.ReportClosed()); }
    bool ReportOpen() const { return session_.ReportOpen(); }

private:
    static const Field* FieldAt(int index) { return std::get_if<Field>(&ControlAt(index).which); }

    static val Out(const view::Effects& effects) {
        val out = val::array();
        for (const view::Effect& effect : effects) {
            val e = val::object();
            if (const auto* show = std::get_if<view::ShowText>(&effect)) {
                e.set("kind", std::string("show"));
                e.set("control", IndexOf(show->field));
                e.set("text", show->text);
            } else if (const auto* select = std::get_if<view::SelectFromStart>(&effect)) {
                e.set("kind", std::string("select"));
                e.set("control", IndexOf(select->field));
            } else if (const auto* caret = std::get_if<view::CaretAtStart>(&effect)) {
                e.set("kind", std::string("caret"));
                e.set("control", IndexOf(caret->field));
            } else if (const auto* move = std::get_if<view::MoveFocus>(&effect)) {
                e.set("kind", std::string("focus"));
                e.set("control", static_cast<int>(move->control));
            } else if (const auto* report = std::get_if<view::ShowReport>(&effect)) {
                val r = val::object();
                r.set("text", report->report.text);
                r.set("unexpected", report->report.unexpected);
                e.set("kind", std::string("report"));
                e.set("report", r);
            } else if (const auto* speak = std::get_if<view::Speak>(&effect)) {
                e.set("kind", std::string("speak"));
                e.set("control", IndexOf(speak->field));
                e.set("text", speak->text);
            }
            out.call<void>("push", e);
        }
        return out;
    }

    view::Session session_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ardelin) {
    emscripten::function("useCatalogue", &UseCatalogue);
    emscripten::function("rightToLeft", &view::RightToLeft);
    emscripten::function("controls", &Controls);
    emscripten::function("textsToShow", &TextsToShow);
    emscripten::function("widestDigit", &WidestDigit);
    emscripten::function("layOut", &LayOut);
    emscripten::constant("title", std::string(view::kTitle));
    emscripten::class_<WebSession>("Session")
        .constructor<const std::string&>()
        .function("start", &WebSession::Start)
        .function("textEdited", &WebSession::TextEdited)
        .function("text", &WebSession::Text)
        .function("focusIn", &WebSession::FocusIn)
        .function("focusOut", &WebSession::FocusOut)
        .function("primaryPress", &WebSession::PrimaryPress)
        .function("press", &WebSession::Press)
        .function("reportClosed", &WebSession::ReportClosed)
        .function("reportOpen", &WebSession::ReportOpen);
}

}  // namespace ardelin::web
