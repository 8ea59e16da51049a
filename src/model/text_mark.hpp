// SPDX-License-Identifier: GPL-3.0-or-later
// N_("…") marks an English text a person sees as one for translators: the
// template po/ardelin.pot is made from every marked text (tools/i18n/pot.py),
// and the view looks each one up in the chosen language. The mark leaves the
// text as it is. A "TRANSLATORS:" comment on the line before goes with it.
#pragma once

#define N_(english) english
