// SPDX-License-Identifier: GPL-3.0-or-later
// Ardelin on Windows: answers --help and --version in the console it was
// started from, or builds the window over a fresh session, shows it and runs
// the message loop.
#include <windows.h>
#include <commctrl.h>

#include "window/view/catalogue.hpp"
#include "window/view/info.hpp"
#include "window/view/language.hpp"
#include "window/view/session.hpp"
#include "window/win32/form1_window.hpp"
#include "window/win32/platform.hpp"

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): the system's header names them otherwise
int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand) {
    // Every text in the first of the user's display languages that Ardelin has, else English.
    ardelin::view::UseLanguage(
        ardelin::view::ChooseLanguage(ardelin::win32::PreferredLanguages(), ardelin::view::Languages()));
    if (const auto answer = ardelin::view::AnswerInfoOptions(ardelin::win32::Arguments(), "", /*slashHelp=*/true)) {
        ardelin::win32::WriteToConsole(answer->text);
        return answer->exitCode;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    // The user's decimal separator, for reading and writing every number,
    // and the prompts and units of the language shown.
    ardelin::view::Session session(ardelin::win32::DecimalSeparatorOf(LOCALE_NAME_USER_DEFAULT));
    ardelin::win32::Form1Window window(session);
    window.Show(showCommand);
    window.RunUntilClosed();
    return 0;
}
