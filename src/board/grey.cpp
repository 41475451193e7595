#include "grey.h"

#include "image_control.h"

namespace {

// 0.56 red + 0.33 green + 0.11 blue, rounded half to even. The weights in hundredths, summed in
// integers: in floating point 0.56, 0.33 and 0.11 are not exact, so a sum of exactly one half
// would often come out a hair above or below it and be rounded the wrong way.
inline quint32 greyLevel(quint32 red, quint32 green, quint32 blue)
{
    const quint32 hundredths = 56 * red + 33 * green + 11 * blue;
    quint32 grey = hundredths / 100;
    const quint32 rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && grey % 2 == 1))
        ++grey;
    return grey & 0xFF;
}

} // namespace

quint32 GreyColor(quint32 colour)
{
    return greyLevel(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF) * 0x010101u;
}

void greyPicture(QImage &picture)
{
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    // Scanline by scanline through the pixel memory, with the grey worked out inline: every icon
    // of a class turns grey when it loads, and every refund of a talent's last point greys one.
    const int width = picture.width();
    const int height = picture.height();
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            const quint32 g = greyLevel(qRed(p), qGreen(p), qBlue(p));
            line[x] = qRgba(g, g, g, qAlpha(p));
        }
    }
}

void GreyImage(ImageControl &image)
{
    QImage picture = image.picture();
    greyPicture(picture);
    image.setPicture(picture);
}
