#include "grey.h"

#include "image_control.h"

quint32 GreyColor(quint32 colour)
{
    const quint32 red = colour & 0xFF;
    const quint32 green = (colour >> 8) & 0xFF;
    const quint32 blue = (colour >> 16) & 0xFF;
    // The weights in hundredths, summed in integers: in floating point 0.56, 0.33 and 0.11 are
    // not exact, so a sum of exactly one half would often come out a hair above or below it and
    // be rounded the wrong way.
    const quint32 hundredths = 56 * red + 33 * green + 11 * blue;
    quint32 grey = hundredths / 100;
    const quint32 rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && grey % 2 == 1))
        ++grey;
    return (grey & 0xFF) * 0x010101u;
}

void greyPicture(QImage &picture)
{
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = line[x];
            const quint32 g = GreyColor(colourValue(qRed(p), qGreen(p), qBlue(p))) & 0xFF;
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
