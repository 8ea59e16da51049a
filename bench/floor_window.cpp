// The toolkit's floor for the start-up benchmark: a bare Qt window with the
// same fourteen controls in the same places, and no logic at all.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(314, 383);
    const int edits[][4] = {{8, 8, 105, 19},    {8, 32, 105, 19},   {8, 56, 105, 19},  {8, 80, 105, 19},
                            {8, 104, 105, 19},  {8, 128, 105, 19},  {8, 152, 105, 19}, {216, 24, 89, 19},
                            {216, 88, 89, 19},  {216, 64, 89, 19},  {8, 336, 145, 19}};
    for (const auto& g : edits) {
        (new QLineEdit(QStringLiteral("Text"), &window))->setGeometry(g[0], g[1], g[2], g[3]);
    }
    (new QPushButton(QStringLiteral("&Beam Width"), &window))->setGeometry(128, 24, 73, 17);
    (new QPushButton(QStringLiteral("&Lower limit"), &window))->setGeometry(128, 64, 73, 17);
    (new QPushButton(QStringLiteral("&Convert"), &window))->setGeometry(168, 336, 49, 17);
    window.show();
    return QApplication::exec();
}
