// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/controls.hpp"

#include <algorithm>

namespace ardelin::view {

std::string_view Name(const Control& control) {
    if (const Field* field = std::get_if<Field>(&control.which)) {
        return Info(*field).name;
    }
    return Info(std::get<Button>(control.which)).name;
}

const Control& ControlOf(Field field) {
    return *std::find_if(kControls.begin(), kControls.end(), [field](const Control& c) {
        const Field* f = std::get_if<Field>(&c.which);
        return f != nullptr && *f == field;
    });
}

const Control& ControlOf(Button button) {
    return *std::find_if(kControls.begin(), kControls.end(), [button](const Control& c) {
        const Button* b = std::get_if<Button>(&c.which);
        return b != nullptr && *b == button;
    });
}

}  // namespace ardelin::view
