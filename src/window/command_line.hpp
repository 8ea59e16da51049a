// SPDX-License-Identifier: GPL-3.0-or-later
// The two options Ardelin answers before it opens any window: --help and
// --version. Every other argument goes on to Qt, which takes its own
// (-style, -platform, -reverse …) and ignores the rest.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace ardelin {

struct InfoAnswer {
    QString text;  // for standard output
    int exitCode;
};

// The answer to --help (-h, -?, --help-all) or --version (-v) among
// `arguments` (the program's name first); nullopt when neither is asked
// for. Needs no QCoreApplication and no display.
[[nodiscard]] std::optional<InfoAnswer> AnswerInfoOptions(const QStringList& arguments);

}  // namespace ardelin
