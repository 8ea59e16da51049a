// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt/qt_texts.hpp"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <memory>

namespace ardelin {

bool UseQtTexts(const view::Language& language) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (language.Code() == "en") {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    const std::string_view code = language.Code();
    if (!translator->load(QStringLiteral(":/i18n/qt_") + QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

}  // namespace ardelin
