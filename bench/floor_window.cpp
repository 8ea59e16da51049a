// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for the start-up benchmark: a bare Qt window with the
// same fourteen controls in the same places, and no logic at all. Ardelin
// scales its layout table to its font; FLOOR_SCALE (default 1) scales this
// window's copy of the table alike, so that both paint the same area.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cmath>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const char* scaleText = std::getenv("FLOOR_SCALE");
    const double scale = scaleText != nullptr ? std::atof(scaleText) : 1.0;
    auto px = [scale](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(px(314), px(383));
    const int edits[][4] = {{8, 8, 105, 19},    {8, 32, 105, 19},   {8, 56, 105, 19},  {8, 80, 105, 19},
                            {8, 104, 105, 19},  {8, 128, 105, 19},  {8, 152, 105, 19}, {216, 24, 89, 19},
                            {216, 88, 89, 19},  {216, 64, 89, 19},  {8, 336, 145, 19}};
    for (const auto& g : edits) {
        (new QLineEdit(QStringLiteral("Text"), &window))->setGeometry(px(g[0]), px(g[1]), px(g[2]), px(g[3]));
    }
    (new QPushButton(QStringLiteral("&Beam Width"), &window))->setGeometry(px(128), px(24), px(73), px(17));
    (new QPushButton(QStringLiteral("&Lower limit"), &window))->setGeometry(px(128), px(64), px(73), px(17));
    (new QPushButton(QStringLiteral("&Convert"), &window))->setGeometry(px(168), px(336), px(49), px(17));
    window.show();
    return QApplication::exec();
}
