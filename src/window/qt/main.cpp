// SPDX-License-Identifier: GPL-3.0-or-later
// Ardelin with the Qt window: answers --help and --version, or builds the window over a fresh
// form, shows it and runs the event loop.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <string>
#include <vector>

#include "ardelin_version.hpp"
#include "calc/handlers.hpp"
#include "model/form1.hpp"
#include "window/qt/form1_window.hpp"
#include "window/qt/qt_texts.hpp"
#include "model/text_mark.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/info.hpp"
#include "window/view/language.hpp"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Ardelin"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ardelin::kDisplayVersion));
    // Every text in the first of the user's languages (LANGUAGE, LC_ALL,
    // LC_MESSAGES, LANG) that Ardelin has, else English.
    std::vector<std::string> preferred;
    for (const QString& tag : QLocale::system().uiLanguages()) {
        preferred.push_back(tag.toStdString());
    }
    ardelin::view::UseLanguage(ardelin::view::ChooseLanguage(preferred, ardelin::view::Languages()));

    // Before QApplication, which would connect to the display.
    const std::vector<std::string> arguments(argv, argv + argc);
    if (const auto answer = ardelin::view::AnswerInfoOptions(
            // TRANSLATORS: the Linux program's note in --help, after its description.
            arguments, ardelin::view::Tr(N_("Qt's own options, such as -style NAME, are accepted as well.")))) {
        std::fputs(answer->text.c_str(), stdout);
        return answer->exitCode;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Ardelin"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ARDELIN_APP_ID));
    QApplication::setWindowIcon(ardelin::AppIcon());
    // Mirrored for a language read from the right: the window's table, its
    // reports' buttons, its tooltips.
    QApplication::setLayoutDirection(ardelin::view::RightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    // The fields' context menu in the same language.
    ardelin::UseQtTexts(ardelin::view::InUse());

    // The user's decimal separator, for reading and writing every number,
    // and the prompts and units of the language shown.
    ardelin::view::Session session(ardelin::DecimalSeparatorOf(QLocale()));
    ardelin::Form1Window window(session);
    window.show();
    return QApplication::exec();
}
