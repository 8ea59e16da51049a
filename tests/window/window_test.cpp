// The Ardelin window as a user meets it: layout, keyboard, error reports,
// accessibility and the icon.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "window/form1.hpp"
#include "window/form1_window.hpp"

using ardelin::Button;
using ardelin::Field;
using ardelin::Form1;
using ardelin::Form1Window;

namespace {

// What the next message box said, once the test has dismissed it.
struct Box {
    QString title;
    QString text;
};

// Watches for a modal message box and dismisses it as a user would.
class BoxDismisser : public QObject {
public:
    BoxDismisser() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen_.push_back({box->windowTitle(), box->text()});
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

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form_;
    std::unique_ptr<Form1Window> window_;

    QLineEdit* Edit(Field f) { return window_->Edit(f); }
    QPushButton* Push(Button b) { return window_->ButtonWidget(b); }

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

private slots:
    void init() {
        form_ = std::make_unique<Form1>();
        window_ = std::make_unique<Form1Window>(*form_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        window_.reset();
        form_.reset();
    }

    void windowCaptionAndSize() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Ardelin"));
        QCOMPARE(window_->size(), QSize(314, 383));
        QCOMPARE(QApplication::focusWidget(), Edit(Field::DiameterText));
        QCOMPARE(Edit(Field::DiameterText)->text(), QStringLiteral("Diameter of dish (m)"));
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

    void errorReport_data() {
        QTest::addColumn<QStringList>("inputs");  // name=text pairs
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focusAfter");  // empty: where it was
        QTest::addColumn<QString>("dtAfter");
        QTest::newRow("prompt") << QStringList{} << int(Button::Command1)
                                << "Conversion error: the text in the wavelength field, \u201CWavelength (m)\u201D, is not a number."
                                << "WavelengthText" << "";
        QTest::newRow("empty") << QStringList{"WavelengthText=0.21", "DiameterText="} << int(Button::Command1)
                               << "Conversion error: the dish diameter field is empty. Type a number into it."
                               << "DiameterText" << "";
        QTest::newRow("long text shortened")
            << QStringList{"FreqText=this is far too long a text to be quoted whole in a report"}
            << int(Button::Command3)
            << "Conversion error: the text in the frequency field, \u201Cthis is far too long a text to be quote\u2026\u201D, is not a number."
            << "FreqText" << "";
        QTest::newRow("field beyond single") << QStringList{"FreqText=1e39"} << int(Button::Command3)
                                             << "Overflow: the number in the frequency field, \u201C1e39\u201D, is too large."
                                             << "FreqText" << "";
        QTest::newRow("division by zero") << QStringList{"FreqText=0"} << int(Button::Command3)
                                          << "Division by zero: one of the numbers the calculation divides by is zero."
                                          << "" << "";
        QTest::newRow("overflow") << QStringList{"WavelengthText=0", "DiameterText=0"} << int(Button::Command1)
                                  << "Overflow: the calculation gave a number too large to hold, or no number at all (such as 0 / 0)."
                                  << "" << "";
        QTest::newRow("invalid argument")
            << QStringList{"SysTempText=100", "BandwidthText=-1", "TimeConstText=1", "SysEfficiencyText=10",
                           "DiameterText=2", "AEfficiencyText=50"}
            << int(Button::Command2) << "Invalid argument: the calculation needs the square root of a negative number."
            << "" << "";
        QTest::newRow("after the temperature")
            << QStringList{"SysTempText=100", "BandwidthText=0.001", "TimeConstText=1", "SysEfficiencyText=10",
                           "DiameterText=1", "AEfficiencyText=50"}
            << int(Button::Command2)
            << "Overflow: the calculation gave a number too large to hold, or no number at all (such as 0 / 0)." << ""
            << "1 kelvin";
    }

    void errorReport() {
        QFETCH(QStringList, inputs);
        QFETCH(int, button);
        QFETCH(QString, text);
        QFETCH(QString, focusAfter);
        QFETCH(QString, dtAfter);
        for (const QString& pair : inputs) {
            const auto eq = pair.indexOf('=');
            form_->SetText(*ardelin::FieldByName(pair.left(eq).toStdString()), pair.mid(eq + 1).toStdString());
        }
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
            QVERIFY(boxes.Seen().front().text.startsWith("Conversion error: the text in the frequency field"));
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
        QFile file(QStringLiteral(":/ardelin.ico"));
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
        const QIcon icon(QStringLiteral(":/ardelin.ico"));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        const QImage big = icon.pixmap(32, 32).toImage();
        QVERIFY(big.pixelColor(0, 0).alpha() == 0);     // transparent corner
        QVERIFY(big.pixelColor(16, 16).alpha() == 255); // drawn centre
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
