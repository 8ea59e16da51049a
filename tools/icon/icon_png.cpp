// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the PNG images of the program's icon for the desktop's icon theme
// and the window: 16 and 32 pixels taken from the icon file (its 256-colour
// images), 48, 64, 128 and 256 pixels rendered in full colour from the same
// description of the picture. Usage: icon_png ICON.ico OUTDIR (writes OUTDIR/SIZE.png);
// icon_png ICON.ico OUTDIR SIZE... writes only those sizes, in full colour
// (the web page's 192 and 512 pixels).
#include <QDir>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <cstdio>
#include <cstdlib>

#include "icon_scene.hpp"

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

QImage Rendered(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    const std::vector<ardelin::icon::Rgba> pixels = ardelin::icon::Render(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const ardelin::icon::Rgba& p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) +
                                                  static_cast<std::size_t>(x)];
            image.setPixel(x, y, qRgba(qRound(p.r), qRound(p.g), qRound(p.b), qRound(p.a * 255)));
        }
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);  // for the image format plugins
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon_png ICON.ico OUTDIR [SIZE...]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (argc > 3) {
        bool ok = true;
        for (int i = 3; i < argc; ++i) {
            const int size = std::atoi(argv[i]);
            ok = ok && size > 0 && Rendered(size).save(out.filePath(QStringLiteral("%1.png").arg(size)), "PNG");
        }
        return ok ? 0 : 1;
    }
    // Of each size in the icon file, the image with the most colours: the 256-colour one.
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
    bool ok = !best16.isNull() && !best32.isNull() && best16.save(out.filePath(QStringLiteral("16.png")), "PNG") &&
              best32.save(out.filePath(QStringLiteral("32.png")), "PNG");
    for (const int size : {48, 64, 128, 256}) {
        ok = ok && Rendered(size).save(out.filePath(QStringLiteral("%1.png").arg(size)), "PNG");
    }
    return ok ? 0 : 1;
}
