// Ardelin: builds the window over a fresh form, shows it and runs the event loop.
#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "window/form1.hpp"
#include "window/form1_window.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ardelin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ardelin"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ardelin.ico")));

    // The user's decimal separator, for reading and writing every number.
    ardelin::Form1 form(ardelin::DecimalSeparatorOf(QLocale()));
    ardelin::Form1Window window(form);
    window.show();
    return QApplication::exec();
}
