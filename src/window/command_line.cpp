// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_line.hpp"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "ardelin_version.hpp"

namespace ardelin {

std::optional<InfoAnswer> AnswerInfoOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words such as -reverse; read compacted
    // they would hold -v or -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Beam width and lowest detectable fluctuation of a radio-telescope dish, and the wavelength of a "
        "frequency.\nOpens one window; reads and writes no files. Qt's own options, such as -style NAME, "
        "are accepted as well."));
    // Qt's own options are not known before QApplication, so --help-all
    // says the same as --help.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help"),
                                   QStringLiteral("help-all")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version."));
    parser.addOption(help);
    parser.addOption(version);
    (void)parser.parse(arguments);  // anything unknown is Qt's or ignored
    if (parser.isSet(version)) {
        return InfoAnswer{QStringLiteral("Ardelin %1\n").arg(QLatin1String(kDisplayVersion)), 0};
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it is installed, however it was started.
        QString text = parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: ardelin"));
        return InfoAnswer{text, 0};
    }
    return std::nullopt;
}

}  // namespace ardelin
