// Writes the 16 and 32 pixel images of the program's icon file as PNGs, for
// the desktop's icon theme. Usage: icon_png ICON.ico OUT16.png OUT32.png
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <cstdio>

namespace {

qsizetype DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);  // for the icon format plugin
    if (argc != 4) {
        std::fprintf(stderr, "usage: icon_png ICON.ico OUT16.png OUT32.png\n");
        return 2;
    }
    // Of each size, the image with the most colours: the 256-colour one.
    QImage best16;
    QImage best32;
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        QImage* best = image.width() == 16 ? &best16 : image.width() == 32 ? &best32 : nullptr;
        if (best != nullptr && (best->isNull() || DistinctColours(image) > DistinctColours(*best))) {
            *best = image;
        }
    }
    const bool ok = !best16.isNull() && !best32.isNull() && best16.save(QString::fromLocal8Bit(argv[2]), "PNG") &&
                    best32.save(QString::fromLocal8Bit(argv[3]), "PNG");
    return ok ? 0 : 1;
}
