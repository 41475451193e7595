#include "grey.h"

#include "image_control.h"

#include <array>
#include <cmath>

quint32 GreyColor(quint32 colour)
{
    const double red = colour & 0xFF;
    const double green = (colour >> 8) & 0xFF;
    const double blue = (colour >> 16) & 0xFF;
    // nearbyint rounds half to even in the default rounding mode.
    const auto g = static_cast<quint32>(std::nearbyint(0.56 * red + 0.33 * green + 0.11 * blue)) & 0xFF;
    return g * 0x010101u;
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
