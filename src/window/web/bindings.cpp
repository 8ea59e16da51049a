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

#include "calc/handlers.hpp"
#include "model/form1.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/info.hpp"
#include "window/view/layout.hpp"
#include "window/view/press.hpp"
#include "window/view/report.hpp"

namespace ardelin::web {
namespace {

using emscripten::val;
using view::kControls;

const view::Control& ControlAt(int index) { return kControls.at(static_cast<std::size_t>(index)); }

int IndexOf(Field field) { return static_cast<int>(&view::ControlOf(field) - kControls.data()); }

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
    view::UseCatalogue(code, std::move(pairs));
}

// Every control in tab order: its name, the id of its element in the page
// (whose HTML the build writes from the same table), its kind, and its texts
// in the language in use: its name for screen readers (a field's label),
// tooltip, a field's prompt, a button's caption around its access key.
val Controls() {
    val controls = val::array();
    for (const view::Control& c : kControls) {
        val row = val::object();
        row.set("name", std::string(view::Name(c)));
        row.set("label", std::string(view::AccessibleName(c)));
        row.set("toolTip", std::string(view::ToolTip(c)));
        if (const Field* field = std::get_if<Field>(&c.which)) {
            row.set("kind", std::string("field"));
            row.set("prompt", std::string(view::Prompt(*field)));
        } else {
            const view::CaptionParts caption = view::SplitCaption(view::Caption(std::get<Button>(c.which)));
            row.set("kind", std::string("button"));
            row.set("caption", val::array(std::vector<std::string>{std::string(caption.before),
                                                                   std::string(caption.key),
                                                                   std::string(caption.after)}));
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

bool HoldsPrompt(int index, const std::string& text) {
    const Field* field = std::get_if<Field>(&ControlAt(index).which);
    return field != nullptr && view::HoldsPrompt(*field, text);
}

// The form model with its calculations bound, as the page's fields see it.
class WebForm {
public:
    explicit WebForm(const std::string& separator) : form_(Separator(separator), view::Words()) { BindCalculations(form_); }

    void SetText(int index, const std::string& text) {
        if (const Field* field = std::get_if<Field>(&ControlAt(index).which)) {
            form_.SetText(*field, text);
        }
    }

    std::string Text(int index) const {
        const Field* field = std::get_if<Field>(&ControlAt(index).which);
        return field != nullptr ? form_.Text(*field) : std::string();
    }

    // null when the press succeeded; else the report: its text, the index
    // of the field to change (-1: where the focus was) and whether it is an
    // error of the program rather than of the calculation.
    val Press(int index) {
        const Button* button = std::get_if<Button>(&ControlAt(index).which);
        const std::optional<view::Report> report = button != nullptr ? view::Press(form_, *button) : std::nullopt;
        if (!report) {
            return val::null();
        }
        val result = val::object();
        result.set("text", report->text);
        result.set("focus", report->focus ? IndexOf(*report->focus) : -1);
        result.set("unexpected", report->unexpected);
        return result;
    }

private:
    Form1 form_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ardelin) {
    emscripten::function("useCatalogue", &UseCatalogue);
    emscripten::function("rightToLeft", &view::RightToLeft);
    emscripten::function("controls", &Controls);
    emscripten::function("textsToShow", &TextsToShow);
    emscripten::function("widestDigit", &WidestDigit);
    emscripten::function("layOut", &LayOut);
    emscripten::function("holdsPrompt", &HoldsPrompt);
    emscripten::constant("title", std::string(view::kTitle));
    emscripten::class_<WebForm>("Form")
        .constructor<const std::string&>()
        .function("setText", &WebForm::SetText)
        .function("text", &WebForm::Text)
        .function("press", &WebForm::Press);
}

}  // namespace ardelin::web
