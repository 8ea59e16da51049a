// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in the window (the fields' context menu and its key
// names) in the language shown, from the catalogues compiled in.
#pragma once

#include "window/view/catalogue.hpp"

namespace ardelin {

// Installs Qt's texts for `language` in the application, in place of any
// installed before; English, Qt's own, needs none. Returns whether Qt has
// texts for the language. Call after QApplication is made.
bool UseQtTexts(const view::Language& language);

}  // namespace ardelin
