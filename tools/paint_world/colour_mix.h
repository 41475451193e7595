#pragma once

#include <QColor>

// The colour a share t of the way from a to b (t = 0 gives a, t = 1 gives b), alpha included.
inline QColor mixColours(const QColor &a, const QColor &b, double t)
{
    auto channel = [t](int from, int to) { return qRound(from + (to - from) * t); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

inline QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// The same hue and saturation at no more than the given HSV value (0 to 255): keeps a tone that
// art.txt chose too bright dark enough to sit behind text.
inline QColor cappedValue(const QColor &colour, int maxValue)
{
    if (colour.value() <= maxValue)
        return colour;
    return QColor::fromHsv(colour.hsvHue(), colour.hsvSaturation(), maxValue, colour.alpha());
}
