#include "board/key_colour.h"

QImage withoutKeyColour(const QImage &picture)
{
    if (picture.isNull())
        return {};
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    const int width = keyed.width();
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (line[x] == key)
                line[x] = 0;
        }
    }
    return keyed;
}
