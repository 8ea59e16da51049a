// SPDX-License-Identifier: GPL-3.0-or-later
// Ardelin: answers --help and --version, or builds the window over a fresh
// form, shows it and runs the event loop.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#endif

#include "ardelin_version.hpp"
#include "window/command_line.hpp"
#include "window/form1.hpp"
#include "window/form1_window.hpp"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Ardelin"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ardelin::kDisplayVersion));
    // Before QApplication, which would connect to the display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (const auto answer = ardelin::AnswerInfoOptions(arguments)) {
#ifdef _WIN32
        // A windowed program has no console of its own: answer in the one it
        // was started from, if any.
        if (AttachConsole(ATTACH_PARENT_PROCESS) != 0) {
            (void)std::freopen("CONOUT$", "w", stdout);
        }
#endif
        std::fputs(answer->text.toLocal8Bit().constData(), stdout);
        return answer->exitCode;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Ardelin"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ARDELIN_APP_ID));
    QApplication::setWindowIcon(ardelin::AppIcon());

    // The user's decimal separator, for reading and writing every number.
    ardelin::Form1 form(ardelin::DecimalSeparatorOf(QLocale()));
    ardelin::Form1Window window(form);
    window.show();
    return QApplication::exec();
}
