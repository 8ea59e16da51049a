// SPDX-License-Identifier: GPL-3.0-or-later
// The Ardelin window as a user meets it: layout and its scale, every text
// whole, keyboard, prompts, error reports, accessibility and the icon.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "calc/handlers.hpp"
#include "../headless/headless.hpp"
#include "../view/language_cases.hpp"
#include "../view/report_cases.hpp"
#include "model/form1.hpp"
#include "window/qt/form1_window.hpp"
#include "window/qt/qt_texts.hpp"
#include "window/view/catalogue.hpp"
#include "window/view/controls.hpp"
#include "window/view/layout.hpp"

using ardelin::Button;
using ardelin::Field;
using ardelin::Form1;
using ardelin::Form1Window;

namespace {

// What the next message box said, once the test has dismissed it.
struct Box {
    QString title;
    QString text;
    QString ok;  // its button's caption
};

// Watches for a modal message box and dismisses it as a user would.
class BoxDismisser : public QObject {
public:
    BoxDismisser() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen_.push_back({box->windowTitle(), box->text(), box->button(QMessageBox::Ok)->text()});
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start(5);
    }
    [[nodiscard]] const QList<Box>& Seen() const { return seen_; }

private:
    QTimer timer_;
    QList<Box> seen_;
};

// The texts of a field's context menu, each with its shortcut, as a user sees them.
QStringList MenuTexts(QLineEdit* edit) {
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        texts << action->text() + QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
    }
    return texts;
}

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The rectangle a line edit's style gives its text, as QLineEdit asks for it.
QRect EditContents(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    option.state |= QStyle::State_Sunken;
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).marginsRemoved(edit->textMargins());
}

// An unfocused line edit shows its whole text when moving the cursor from
// the start to the end scrolls nothing: the two pictures are the same. And
// the text's height fits the style's contents rectangle.
QString ShowsWhole(QLineEdit* edit) {
    const QString text = edit->text();
    edit->setCursorPosition(0);
    const QImage fromStart = edit->grab().toImage();
    edit->setCursorPosition(static_cast<int>(text.size()));
    const QImage fromEnd = edit->grab().toImage();
    edit->setCursorPosition(0);
    if (fromStart != fromEnd) return edit->objectName() + " scrolls to show \"" + text + "\"";
    if (edit->fontMetrics().height() > EditContents(edit).height()) return edit->objectName() + " is too low";
    return {};
}

// A focused line edit, whose cursor may blink, shows its first character at
// its left edge and its last one before its right edge.
QString ShowsStartAndEnd(QLineEdit* edit) {
    (void)edit->grab();  // the scrolling is settled when the edit paints
    const QRect contents = EditContents(edit);
    const int y = contents.center().y();
    if (edit->cursorPositionAt(QPoint(contents.left() + 1, y)) != 0) return edit->objectName() + " hides its start";
    if (edit->cursorPositionAt(QPoint(contents.right() - 1, y)) != edit->text().size())
        return edit->objectName() + " hides its end";
    return {};
}

// A button's caption, with its access key underlined, fits the style's
// contents rectangle.
QString ShowsWhole(QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = button->rect();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (text.width() > contents.width() || text.height() > contents.height())
        return button->objectName() + " cuts \"" + button->text() + "\"";
    return {};
}

// A font in which every text fits the twips table as drawn, at 15 twips a pixel.
QFont NarrowFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(6);
    return font;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ardelin::view::Session> session_;
    Form1* form_ = nullptr;  // the session's
    std::unique_ptr<Form1Window> window_;

    QLineEdit* Edit(Field f) { return window_->Edit(f); }
    QPushButton* Push(Button b) { return window_->ButtonWidget(b); }

    // Alt and the key after '&' in a button's caption in the language in
    // use, as a keyboard of that language sends it: a Cyrillic or Hebrew
    // letter's key is its upper-case code point, as Qt's mnemonics take it.
    static void PressAccessKey(QWidget* widget, Button b) {
        const std::string_view utf8 = ardelin::view::SplitCaption(ardelin::view::Caption(b)).key;
        const QString key = QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())).toLower();
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(key.toUpper().at(0).unicode()), key,
                            Qt::AltModifier);
    }

    void FillValid() {
        form_->SetText(Field::WavelengthText, "0.21");
        form_->SetText(Field::DiameterText, "2");
        form_->SetText(Field::SysTempText, "100");
        form_->SetText(Field::BandwidthText, "1");
        form_->SetText(Field::TimeConstText, "1");
        form_->SetText(Field::AEfficiencyText, "50");
        form_->SetText(Field::SysEfficiencyText, "10");
        form_->SetText(Field::FreqText, "1420");
    }

    QString defaultStyle_;
    QFont defaultFont_;

    void SetTexts(const QStringList& pairs) {  // name=text
        for (const QString& pair : pairs) {
            const auto eq = pair.indexOf('=');
            form_->SetText(*ardelin::FieldByName(pair.left(eq).toStdString()), pair.mid(eq + 1).toStdString());
        }
    }

    // The application font changes; the window follows once the change has
    // reached it (Qt posts it).
    void ApplyFont(const QFont& font) {
        QApplication::setFont(font);
        QTRY_VERIFY(window_->font() == font);
    }

    // A fresh window over a form with the given decimal separator, in the language in use.
    void Reopen(char separator) {
        window_.reset();
        session_ = std::make_unique<ardelin::view::Session>(separator);
        form_ = &session_->Form();
        window_ = std::make_unique<Form1Window>(*session_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

private slots:
    void initTestCase() {
        defaultStyle_ = QApplication::style()->name();
        defaultFont_ = QApplication::font();
    }

    void init() {
        session_ = std::make_unique<ardelin::view::Session>('.');
        form_ = &session_->Form();
        window_ = std::make_unique<Form1Window>(*session_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        window_.reset();
        session_.reset();
        form_ = nullptr;
        ardelin::view::UseLanguage("en");
        ardelin::UseQtTexts(ardelin::view::Language());
        if (QApplication::style()->name() != defaultStyle_) QApplication::setStyle(defaultStyle_);
        QApplication::setFont(defaultFont_);
    }

    // At start the diameter's prompt has the focus, selected: the first key
    // typed replaces it.
    void windowCaptionAndStart() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Ardelin"));
        QCOMPARE(QApplication::focusWidget(), Edit(Field::DiameterText));
        QCOMPARE(Edit(Field::DiameterText)->selectedText(), QStringLiteral("Diameter of dish (m)"));
        QCOMPARE(Edit(Field::DiameterText)->cursorPosition(), 0);
        QTest::keyClicks(QApplication::focusWidget(), "2");
        QCOMPARE(form_->Text(Field::DiameterText), std::string("2"));
    }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");  // left, top, width, height
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("initialText");
        auto row = [](const char* name, QRect r, const char* tip, const char* acc, const char* text) {
            QTest::newRow(name) << name << r << tip << acc << text;
        };
        row("DiameterText", {120, 120, 1575, 285}, "Diameter in metres", "Dish diameter (m)", "Diameter of dish (m)");
        row("WavelengthText", {120, 480, 1575, 285}, "", "Wavelength (m)", "Wavelength (m)");
        row("SysTempText", {120, 840, 1575, 285}, "Temperature in kelvin - typically 100", "System temperature (K)",
            "System Temp(kelvin)");
        row("BandwidthText", {120, 1200, 1575, 285}, "e g 4Ghz = 4000 Mhz", "Bandwidth (MHz)", "Bandwidth (MHz)");
        row("TimeConstText", {120, 1560, 1575, 285}, "Value in seconds", "Time constant (s)", "Time Constant (sec)");
        row("AEfficiencyText", {120, 1920, 1575, 285}, "Typically 50 or 60", "Antenna efficiency (%)",
            "Antenna Efficiency%");
        row("SysEfficiencyText", {120, 2280, 1575, 285}, "Typically 10", "System efficiency (%)", "System Efficiency %");
        row("Command1", {1920, 360, 1095, 255}, "", "Beam Width", "");
        row("BeamwidthText", {3240, 360, 1335, 285}, "", "Beam width result (degrees)", "");
        row("Command2", {1920, 960, 1095, 255}, "Lowest detectable fluctuation", "Lower limit", "");
        row("LowerLimitText", {3240, 1320, 1335, 285}, "Lowest detectable fluctuation in Janskies/Flux Units",
            "Lowest detectable flux fluctuation result (Jy)", "");
        row("DTText", {3240, 960, 1335, 285}, "Lowest detectable fluctuation - in kelvin",
            "Lowest detectable temperature fluctuation result (K)", "");
        row("FreqText", {120, 5040, 2175, 285}, "", "Frequency to convert (MHz)", "Frequency to convert (MHz)");
        row("Command3", {2520, 5040, 735, 255}, "", "Convert", "");
    }

    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, toolTip);
        QFETCH(QString, accessibleName);
        QFETCH(QString, initialText);
        auto* widget = window_->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        // The default font scales the table by one factor, to within a pixel.
        const double perTwip = window_->Scale() / 15;
        QVERIFY(window_->Scale() >= 1.0);
        const QRect scaled = widget->geometry();
        QVERIFY2(std::abs(scaled.x() - twips.x() * perTwip) <= 1 && std::abs(scaled.y() - twips.y() * perTwip) <= 1 &&
                     std::abs(scaled.width() - twips.width() * perTwip) <= 1 &&
                     std::abs(scaled.height() - twips.height() * perTwip) <= 1,
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(name).arg(scaled.x()).arg(scaled.y()).arg(scaled.width()).arg(scaled.height())));
        // A font as narrow as the table's shows it exactly, at 15 twips a pixel;
        // the window follows the font as it changes.
        ApplyFont(NarrowFont());
        QCOMPARE(window_->Scale(), 1.0);
        QTRY_COMPARE(window_->size(), QSize(314, 383));
        QCOMPARE(widget->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QCOMPARE(widget->toolTip(), toolTip);
        QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(acc != nullptr);
        QCOMPARE(acc->text(QAccessible::Name), accessibleName);
        QCOMPARE(acc->text(QAccessible::Description), toolTip);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            QCOMPARE(acc->role(), QAccessible::EditableText);
            QCOMPARE(edit->text(), initialText);
            QCOMPARE(edit->cursorPosition(), 0);
            QVERIFY(!edit->isReadOnly());
            QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        } else {
            QCOMPARE(acc->role(), QAccessible::Button);
        }
    }

    // A screen reader reads a result through the field's accessible value.
    void accessibleValueFollowsTheModel() {
        FillValid();
        Push(Button::Command1)->click();
        QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(Edit(Field::BeamwidthText));
        QCOMPARE(acc->text(QAccessible::Value), QStringLiteral("6.3 degrees"));
    }

    void tabOrderFollowsTheColumns() {
        const QStringList expected = {"WavelengthText", "SysTempText", "BandwidthText", "TimeConstText",
                                      "AEfficiencyText", "SysEfficiencyText", "Command1", "BeamwidthText",
                                      "Command2", "LowerLimitText", "DTText", "FreqText", "Command3",
                                      "DiameterText"};
        QStringList seen;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);
    }

    void accessKeysPressFromAnywhere_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Alt+B") << int(Qt::Key_B) << "BeamwidthText" << "6.3 degrees";
        QTest::newRow("Alt+L") << int(Qt::Key_L) << "LowerLimitText" << "2818 Janskies";
        QTest::newRow("Alt+C") << int(Qt::Key_C) << "WavelengthText" << "0.2112676";
    }

    void accessKeysPressFromAnywhere() {
        QFETCH(int, key);
        QFETCH(QString, result);
        QFETCH(QString, expected);
        for (const Field from : {Field::FreqText, Field::SysEfficiencyText, Field::DTText}) {
            FillValid();
            form_->SetText(Field::BeamwidthText, "");
            form_->SetText(Field::LowerLimitText, "");
            Edit(from)->setFocus();
            QTest::keyClick(Edit(from), static_cast<Qt::Key>(key), Qt::AltModifier);
            QTRY_COMPARE(window_->findChild<QLineEdit*>(result)->text(), expected);
            QCOMPARE(QString::fromStdString(form_->Text(*ardelin::FieldByName(result.toStdString()))), expected);
        }
    }

    void spacePressesTheFocusedButton() {
        FillValid();
        Push(Button::Command1)->setFocus();
        QTest::keyClick(Push(Button::Command1), Qt::Key_Space);
        QTRY_COMPARE(Edit(Field::BeamwidthText)->text(), QStringLiteral("6.3 degrees"));
    }

    void enterAndEscapePressNothing() {
        FillValid();
        const BoxDismisser boxes;
        for (const Field f : {Field::DiameterText, Field::FreqText, Field::BeamwidthText}) {
            QTest::keyClick(Edit(f), Qt::Key_Return);
            QTest::keyClick(Edit(f), Qt::Key_Enter);
            QTest::keyClick(Edit(f), Qt::Key_Escape);
        }
        QTest::qWait(200);
        QCOMPARE(Edit(Field::BeamwidthText)->text(), QString());
        QCOMPARE(Edit(Field::LowerLimitText)->text(), QString());
        QCOMPARE(Edit(Field::WavelengthText)->text(), QStringLiteral("0.21"));
        QVERIFY(boxes.Seen().isEmpty());
        QVERIFY(window_->isVisible());
    }

    void editsGoIntoTheModelAndWritesShowAtOnce() {
        TypeInto(Edit(Field::DiameterText), QStringLiteral("25"));
        QCOMPARE(form_->Text(Field::DiameterText), std::string("25"));
        const std::string longText = "0.123456789012345678901234567890123456789012345678901234567890";
        form_->SetText(Field::BeamwidthText, longText);
        QCOMPARE(Edit(Field::BeamwidthText)->text(), QString::fromStdString(longText));
        QCOMPARE(Edit(Field::BeamwidthText)->cursorPosition(), 0);
        // No handler runs on an edit: the results stay as they were.
        QCOMPARE(form_->Text(Field::DTText), std::string());
    }

    void convertThenBeamWidthThroughTheWindow() {
        TypeInto(Edit(Field::FreqText), QStringLiteral("1420"));
        QTest::mouseClick(Push(Button::Command3), Qt::LeftButton);
        QCOMPARE(Edit(Field::WavelengthText)->text(), QStringLiteral("0.2112676"));
        QCOMPARE(Edit(Field::WavelengthText)->cursorPosition(), 0);
        TypeInto(Edit(Field::DiameterText), QStringLiteral("2"));
        QTest::mouseClick(Push(Button::Command1), Qt::LeftButton);
        QCOMPARE(Edit(Field::BeamwidthText)->text(), QStringLiteral("6.338028 degrees"));
    }

    // In each language: the window's texts are that language's, every one
    // shows whole, the worked examples give English's digits with that
    // language's units through its access keys, and a report shows whole
    // with the language's OK.
    void eachLanguage_data() {
        QTest::addColumn<QString>("language");
        // Every language on Qt's offscreen platform; in a real X window, German, the longest, and
        // Hebrew, the mirrored.
        const bool real = QGuiApplication::platformName() == QStringLiteral("xcb");
        for (const std::string_view code : ardelin::view::Languages()) {
            if (real && code != "de" && code != "he") continue;
            QTest::newRow(std::string(code).c_str()) << QString::fromUtf8(code.data(), static_cast<int>(code.size()));
        }
    }

    void eachLanguage() {
        QFETCH(QString, language);
        using ardelin::view::Tr;
        ardelin::view::UseLanguage(language.toStdString());
        Reopen(',');
        for (const Button b : ardelin::kAllButtons) {
            const std::string_view caption = ardelin::view::Caption(b);
            QCOMPARE(Push(b)->text(), QString::fromUtf8(caption.data(), static_cast<int>(caption.size())));
            QVERIFY(caption != ardelin::view::ControlOf(b).caption);
        }
        QCOMPARE(Edit(Field::DiameterText)->text().toStdString(), Tr("Diameter of dish (m)"));
        QVERIFY(Edit(Field::DiameterText)->text() != QStringLiteral("Diameter of dish (m)"));

        Push(Button::Command1)->setFocus();
        for (const Button b : ardelin::kAllButtons) QVERIFY2(ShowsWhole(Push(b)).isEmpty(), qPrintable(ShowsWhole(Push(b))));
        for (const ardelin::view::Control& c : ardelin::view::kControls) {
            const Field* field = std::get_if<Field>(&c.which);
            if (field == nullptr) continue;
            for (const std::string& text : ardelin::view::TextsToShow(c, ',', '0')) {
                form_->SetText(*field, text);
                QVERIFY2(ShowsWhole(Edit(*field)).isEmpty(), qPrintable(ShowsWhole(Edit(*field))));
            }
        }

        Reopen(',');
        for (const std::string_view input : ardelin::test::kWorkedInputs) SetTexts({QString::fromUtf8(input.data(), int(input.size()))});
        for (const Button b : {Button::Command3, Button::Command1, Button::Command2}) {
            PressAccessKey(Edit(Field::SysTempText), b);
        }
        for (const ardelin::test::WorkedResult& r : ardelin::test::kWorkedResults) {
            const std::string expected = std::string(r.digits) + std::string(r.unit.empty() ? "" : Tr(r.unit));
            QTRY_COMPARE(Edit(r.field)->text().toStdString(), expected);
        }

        // A report as the session gives it, whole, with the language's OK;
        // each language a different kind in turn.
        const std::vector<ardelin::test::ReportCase> kinds = ardelin::test::OneReportOfEachKind();
        const auto& codes = ardelin::view::Languages();
        const ardelin::test::ReportCase& c =
            kinds[static_cast<std::size_t>(std::find(codes.begin(), codes.end(), language.toStdString()) - codes.begin()) %
                  kinds.size()];
        Reopen(c.separator);
        QStringList inputs;
        for (const std::string& pair : c.inputs) inputs << QString::fromStdString(pair);
        SetTexts(inputs);
        const BoxDismisser boxes;
        PressAccessKey(Edit(Field::TimeConstText), c.button);
        QTRY_COMPARE(boxes.Seen().size(), 1);
        QCOMPARE(boxes.Seen().front().text.toStdString(), ardelin::test::ReportAfter(c).value().text);
        QCOMPARE(boxes.Seen().front().ok.toStdString(), Tr("OK"));

        // Qt's own words, the fields' context menu and its keys, in the language too: not one left in English.
        QVERIFY(ardelin::UseQtTexts(ardelin::view::Language()));
        const QStringList english = MenuTexts(Edit(Field::FreqText));
        QCOMPARE(english.filter(QStringLiteral("Select All\t")).size(), 1);
        QVERIFY(ardelin::UseQtTexts(ardelin::view::InUse()));
        const QStringList shown = MenuTexts(Edit(Field::FreqText));
        QCOMPARE(shown.size(), english.size());
        for (qsizetype i = 0; i < shown.size(); ++i) QVERIFY2(shown[i] != english[i], qPrintable(shown[i]));
    }

    // Hebrew, read from the right: every control where it stands left to
    // right, seen in a mirror, with the same size; focus and tab order as in
    // English, and a number still left to right.
    void mirroredInHebrew() {
        ardelin::view::UseLanguage("he");
        const auto places = [this] {
            std::array<QRect, ardelin::view::kControlCount> rects;
            for (std::size_t i = 0; i < rects.size(); ++i) {
                const std::string_view name = ardelin::view::Name(ardelin::view::kControls.at(i));
                rects.at(i) = window_->findChild<QWidget*>(QString::fromUtf8(name.data(), int(name.size())))->geometry();
            }
            return rects;
        };
        Reopen('.');
        const auto ltr = places();
        QApplication::setLayoutDirection(Qt::RightToLeft);
        QTRY_VERIFY(window_->isRightToLeft());
        const auto rtl = places();
        QApplication::setLayoutDirection(Qt::LeftToRight);
        for (std::size_t i = 0; i < ltr.size(); ++i) {
            const QRect& a = ltr.at(i);
            QCOMPARE(rtl.at(i), QRect(window_->width() - a.x() - a.width(), a.y(), a.width(), a.height()));
        }
        QApplication::setLayoutDirection(Qt::RightToLeft);
        Reopen('.');
        QCOMPARE(places(), rtl);
        QCOMPARE(QApplication::focusWidget(), Edit(Field::DiameterText));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Edit(Field::WavelengthText));
        Edit(Field::FreqText)->setText(QStringLiteral("-6.3"));
        QVERIFY(!Edit(Field::FreqText)->text().isRightToLeft());
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void errorReport_data() {
        QTest::addColumn<char>("separator");
        QTest::addColumn<QStringList>("inputs");  // name=text pairs
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focusAfter");  // empty: where it was
        QTest::addColumn<QString>("dtAfter");
        // One failure of each kind, one that sends the focus back and one that writes a result
        // first, word for word; the session's own suite runs the whole table.
        for (const ardelin::test::ReportCase& c : ardelin::test::ReportCases()) {
            const auto& kinds = ardelin::test::kOneReportOfEachKind;
            if (std::find(kinds.begin(), kinds.end(), c.name) == kinds.end() && !c.focus.empty() && c.dtAfter.empty()) {
                continue;
            }
            QStringList inputs;
            for (const std::string& pair : c.inputs) inputs << QString::fromStdString(pair);
            QTest::newRow(c.name.c_str()) << c.separator << inputs << int(c.button) << QString::fromStdString(c.text)
                                          << QString::fromStdString(c.focus) << QString::fromStdString(c.dtAfter);
        }
    }

    void errorReport() {
        QFETCH(char, separator);
        QFETCH(QStringList, inputs);
        QFETCH(int, button);
        QFETCH(QString, text);
        QFETCH(QString, focusAfter);
        QFETCH(QString, dtAfter);
        if (separator != '.') Reopen(separator);
        SetTexts(inputs);
        form_->SetText(Field::LowerLimitText, "old");
        QLineEdit* before = Edit(Field::TimeConstText);
        before->setFocus();
        const std::array<std::string, ardelin::kFieldCount> textsBefore = [&] {
            std::array<std::string, ardelin::kFieldCount> t;
            for (const Field f : ardelin::kAllFields) t[static_cast<std::size_t>(f)] = form_->Text(f);
            return t;
        }();

        const BoxDismisser boxes;
        QTest::keyClick(before, "BLC"[button], Qt::AltModifier);
        QTRY_COMPARE(boxes.Seen().size(), 1);
        QCOMPARE(boxes.Seen().front().title, QStringLiteral("Ardelin"));
        QCOMPARE(boxes.Seen().front().text, text);

        for (const Field f : ardelin::kAllFields) {
            const std::string expected = f == Field::DTText && !dtAfter.isEmpty() ? dtAfter.toStdString()
                                                                                  : textsBefore[static_cast<std::size_t>(f)];
            QCOMPARE(form_->Text(f), expected);
            QCOMPARE(Edit(f)->text().toStdString(), expected);
        }
        QWidget* focus = focusAfter.isEmpty() ? before : window_->findChild<QWidget*>(focusAfter);
        QTRY_COMPARE(window_->focusWidget(), focus);
        if (!focusAfter.isEmpty()) {
            auto* edit = qobject_cast<QLineEdit*>(focus);
            QCOMPARE(edit->selectedText(), edit->text());
            // Typing replaces the offending text.
            window_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window_.get()));
            QTest::keyClicks(edit, "7");
            QCOMPARE(edit->text(), QStringLiteral("7"));
        }
    }

    // Every prompt, caption and result, up to the longest, whole in its
    // control, in each style and font; the window follows both as they change.
    void textsFitWhole_data() {
        QTest::addColumn<QString>("style");  // empty: the platform's default
        QTest::addColumn<double>("fontScale");
        for (const char* style : {"", "Fusion", "Windows"}) {
            for (const double scale : {1.0, 1.5}) {
                const QString name = QStringLiteral("%1 %2x").arg(*style != 0 ? style : "default").arg(scale);
                QTest::newRow(qPrintable(name)) << QString::fromLatin1(style) << scale;
            }
        }
    }

    void textsFitWhole() {
        QFETCH(QString, style);
        QFETCH(double, fontScale);
        if (!style.isEmpty()) {
            QVERIFY(QStyleFactory::keys().contains(style, Qt::CaseInsensitive));
            QApplication::setStyle(style);
        }
        QFont font = defaultFont_;
        font.setPointSizeF(font.pointSizeF() * fontScale);
        ApplyFont(font);
        // Under X11 the server confirms each resize in turn: wait for the last one.
        const ardelin::view::Rect client = ardelin::view::Scaled({0, 0, 4710, 5745}, window_->Scale());
        QTRY_COMPARE(window_->size(), QSize(client.width, client.height));

        Push(Button::Command1)->setFocus();
        for (const Button b : ardelin::kAllButtons) QVERIFY2(ShowsWhole(Push(b)).isEmpty(), qPrintable(ShowsWhole(Push(b))));
        const QStringList longest = {"-0.0001234568", "-1.234568E-05", "-1.234568E+07", "2818"};
        for (const QString& number : longest) {
            SetTexts({"WavelengthText=" + number, "BeamwidthText=" + number + " degrees",
                      "DTText=" + number + " kelvin", "LowerLimitText=" + number + " Janskies"});
            for (const Field f : ardelin::kAllFields) {
                if (f == Field::WavelengthText && number == "2818") form_->SetText(f, "Wavelength (m)");
                const QString problem = ShowsWhole(Edit(f));
                QVERIFY2(problem.isEmpty(), qPrintable(problem));
            }
        }
        // Tab selects a result whole and keeps its start in view.
        for (const Field f : {Field::BeamwidthText, Field::LowerLimitText, Field::DTText}) {
            QWidget* previous = Edit(f)->previousInFocusChain();
            previous->setFocus();
            QTest::keyClick(previous, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Edit(f));
            QCOMPARE(Edit(f)->selectedText(), Edit(f)->text());
            QCOMPARE(Edit(f)->cursorPosition(), 0);
            QVERIFY2(ShowsStartAndEnd(Edit(f)).isEmpty(), qPrintable(ShowsStartAndEnd(Edit(f))));
        }
    }

    // A text longer than its field still shows its start after Tab into the
    // field and after leaving it.
    void longTextKeepsItsStartInView() {
        const QString text = QStringLiteral("%1 Janskies").arg(QString(60, QLatin1Char('9')));
        form_->SetText(Field::LowerLimitText, text.toStdString());
        Push(Button::Command2)->setFocus();
        QTest::keyClick(Push(Button::Command2), Qt::Key_Tab);
        QLineEdit* edit = Edit(Field::LowerLimitText);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), text);
        QCOMPARE(edit->cursorPosition(), 0);
        (void)edit->grab();
        QCOMPARE(edit->cursorPositionAt(EditContents(edit).topLeft() + QPoint(1, 1)), 0);
        QTest::keyClick(edit, Qt::Key_End);  // the user moves to the end, then leaves
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->cursorPosition(), 0);
    }

    // A field still holding its prompt selects it on Tab, Shift+Tab and a
    // click, so that the first key replaces it; a number is left as it is.
    void promptGivesWayToTyping_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Tab") << "Tab";
        QTest::newRow("Shift+Tab") << "Backtab";
        QTest::newRow("click") << "click";
    }

    void promptGivesWayToTyping() {
        QFETCH(QString, how);
        QLineEdit* target = Edit(Field::SysTempText);
        auto reach = [&] {
            if (how == "click") {
                Push(Button::Command1)->setFocus();
                QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
            } else {
                QWidget* from = how == "Tab" ? Edit(Field::WavelengthText) : Edit(Field::BandwidthText);
                from->setFocus();
                QTest::keyClick(from, how == "Tab" ? Qt::Key_Tab : Qt::Key_Backtab);
            }
            QCOMPARE(QApplication::focusWidget(), target);
        };
        reach();
        QCOMPARE(target->selectedText(), QStringLiteral("System Temp(kelvin)"));
        QTest::keyClicks(target, "100");
        QCOMPARE(form_->Text(Field::SysTempText), std::string("100"));
        if (how == "click") {
            // A click into a number places the cursor, selecting nothing.
            reach();
            QVERIFY(!target->hasSelectedText());
        }
    }

    void resizingLeavesEveryControlInPlace() {
        QList<QRect> before;
        const auto children = window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* w : children) before << w->geometry();
        for (const QSize size : {QSize(800, 700), QSize(120, 90)}) {
            window_->resize(size);
            QTRY_COMPARE(window_->size(), size);
            QList<QRect> after;
            for (QWidget* w : children) after << w->geometry();
            QCOMPARE(after, before);
        }
        QCOMPARE(form_->Text(Field::BeamwidthText), std::string());
    }

    // Qt's line edit keeps only its maximum length of a paste. A megabyte
    // arrives whole, so a long number is never cut into another one.
    void pasteMegabyteArrivesWhole_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("wavelength");  // empty: conversion report
        QTest::newRow("letters") << QString(1 << 20, QLatin1Char('x')) << QString();
        QTest::newRow("long number")
            << QStringLiteral("0.") + QString(1 << 20, QLatin1Char('0')) + QStringLiteral("3e1048577") << "100";
    }

    void pasteMegabyteArrivesWhole() {
        QFETCH(QString, pasted);
        QFETCH(QString, wavelength);
        QLineEdit* edit = Edit(Field::FreqText);
        edit->setFocus();
        edit->selectAll();
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(edit, QKeySequence::Paste);
        QCOMPARE(edit->text().size(), pasted.size());
        QCOMPARE(form_->Text(Field::FreqText).size(), static_cast<std::size_t>(pasted.size()));
        const BoxDismisser boxes;
        QTest::mouseClick(Push(Button::Command3), Qt::LeftButton);
        if (wavelength.isEmpty()) {
            QTRY_COMPARE(boxes.Seen().size(), 1);
            QVERIFY(boxes.Seen().front().text.startsWith(u"Conversion error: \u201C"));
            QVERIFY(boxes.Seen().front().text.endsWith(u"\u201D in the field \u201CFrequency to convert (MHz)\u201D is not a number."));
            QCOMPARE(form_->Text(Field::WavelengthText), std::string("Wavelength (m)"));
        } else {
            QCOMPARE(Edit(Field::WavelengthText)->text(), wavelength);
            QVERIFY(boxes.Seen().isEmpty());
        }
    }

    void decimalSeparatorOfTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<char>("separator");
        QTest::newRow("en_US") << "en_US" << '.';
        QTest::newRow("de_DE") << "de_DE" << ',';
        QTest::newRow("fr_FR") << "fr_FR" << ',';
        QTest::newRow("ja_JP") << "ja_JP" << '.';
        QTest::newRow("ar_SA, momayyez") << "ar_SA" << '.';
    }

    void decimalSeparatorOfTheLocale() {
        QFETCH(QString, locale);
        QFETCH(char, separator);
        QCOMPARE(ardelin::DecimalSeparatorOf(QLocale(locale)), separator);
    }

    // The icon file: four images, 32 and 16 pixels, 16 and 256 colours each.
    void iconHoldsItsFourImages() {
        QFile file(QStringLiteral(ARDELIN_ICON_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        auto u16 = [&](int at) { return quint8(ico[at]) | (quint8(ico[at + 1]) << 8); };
        QCOMPARE(u16(0), 0);
        QCOMPARE(u16(2), 1);
        QCOMPARE(u16(4), 4);
        const QList<QList<int>> expected = {{32, 16, 4}, {32, 0, 8}, {16, 0, 8}, {16, 16, 4}};
        for (int i = 0; i < 4; ++i) {
            const int e = 6 + 16 * i;
            QCOMPARE((QList<int>{quint8(ico[e]), quint8(ico[e + 2]), u16(e + 6)}), expected[i]);
        }
        const QIcon icon(QStringLiteral(ARDELIN_ICON_FILE));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        const QImage big = icon.pixmap(32, 32).toImage();
        QVERIFY(big.pixelColor(0, 0).alpha() == 0);     // transparent corner
        QVERIFY(big.pixelColor(16, 16).alpha() == 255); // drawn centre
    }

    // The window's icon holds the sizes a window uses, 16, 32 and 48
    // pixels, and no larger ones, which the desktop's icon theme has.
    void windowIconHasTheSizesAWindowUses() {
        const QIcon icon = ardelin::AppIcon();
        QList<QSize> sizes = icon.availableSizes();
        std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
        const QImage large = icon.pixmap(48, 48).toImage();
        QCOMPARE(large.size(), QSize(48, 48));
        // Smooth edges: partly covered pixels, which the icon file's
        // one-bit transparency mask cannot give.
        int partlyCovered = 0;
        for (int y = 0; y < large.height(); ++y) {
            for (int x = 0; x < large.width(); ++x) partlyCovered += qAlpha(large.pixel(x, y)) % 255 != 0 ? 1 : 0;
        }
        QVERIFY2(partlyCovered > 48, qPrintable(QString::number(partlyCovered)));
        QVERIFY(large.pixelColor(0, 0).alpha() == 0);
        QVERIFY(large.pixelColor(24, 24).alpha() == 255);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
