#include "board/grey.h"

#include <new>

namespace {

// 0.56 red + 0.33 green + 0.11 blue, rounded half to even. The weights in hundredths, summed in
// integers: in floating point 0.56, 0.33 and 0.11 are not exact, so a sum of exactly one half
// would often come out a hair above or below it and be rounded the wrong way.
constexpr quint32 greyLevel(quint32 red, quint32 green, quint32 blue)
{
    const quint32 hundredths = 56 * red + 33 * green + 11 * blue;
    quint32 grey = hundredths / 100;
    const quint32 rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && grey % 2 == 1))
        ++grey;
    return grey & 0xFF;
}

// The same grey as greyLevel, for one 0xAARRGGBB pixel, without a branch or a table, so that the
// compiler works out a whole line several pixels at a time. The sum of hundredths is a whole
// number, so its division by 100 in single precision is the quotient correctly rounded: exactly
// k + 0.5 where the true quotient is, and never across a half otherwise (the quotient is at least
// 0.01 away from one). Adding and taking away 2^23 then rounds it to a whole number, ties to
// even, as the processor rounds by default.
inline quint32 pixelGreyLevel(quint32 pixel)
{
    const auto hundredths = static_cast<qint32>(56 * ((pixel >> 16) & 0xFF) +
                                                33 * ((pixel >> 8) & 0xFF) + 11 * (pixel & 0xFF));
    constexpr float RoundingShift = 8388608.0f; // 2^23: from there on, floats are whole numbers
    const float quotient = static_cast<float>(hundredths) / 100.0f;
    const float rounded = (quotient + RoundingShift) - RoundingShift;
    return static_cast<quint32>(static_cast<qint32>(rounded));
}

void greyLines(const uchar *from, qsizetype fromStride, uchar *to, qsizetype toStride, int width,
               int height)
{
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const quint32 *>(from + y * fromStride);
        auto *out = reinterpret_cast<quint32 *>(to + y * toStride);
        for (int x = 0; x < width; ++x) {
            const quint32 pixel = in[x];
            out[x] = (pixel & 0xFF000000u) | (pixelGreyLevel(pixel) * 0x010101u);
        }
    }
}

} // namespace

quint32 greyOf(quint32 colour)
{
    return greyLevel(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF) * 0x010101u;
}

QImage greyed(const QImage &picture)
{
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        return greyed(picture.convertToFormat(QImage::Format_RGB32));
    // Every icon of a class turns grey when it loads, and every refund of a talent's last point
    // greys one: the grey is written straight from the colour picture into fresh memory, instead
    // of a copy being made first and greyed over after.
    QImage grey(picture.size(), picture.format());
    if (grey.isNull())
        throw std::bad_alloc();
    grey.setDevicePixelRatio(picture.devicePixelRatio());
    greyLines(picture.constBits(), picture.bytesPerLine(), grey.bits(), grey.bytesPerLine(),
              picture.width(), picture.height());
    return grey;
}
