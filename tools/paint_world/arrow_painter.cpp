#include "arrow_painter.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr qreal shaftHalfWidth = 3.5;
constexpr qreal headHalfWidth = 7.5;
constexpr qreal headLength = 9.0;
// Pixels whose coverage is below this become the transparent key; the others are made opaque.
constexpr int opaqueFrom = 110;

// Where a piece's arrow runs, in the piece's own pixels: from a tail that starts under the
// prerequisite's icon (or at the piece's edge next to it) to a tip at the dependant's icon.
struct ArrowCourse {
    QSize size;
    QPointF tail;
    QPointF tip;
};

ArrowCourse courseOf(ArrowPiece piece)
{
    // The straight pieces run along x = 10 (the middle of the icon above) or y = 10.
    switch (piece) {
    case ArrowPiece::D1:
        return {{20, 21}, {10, -1}, {10, 21}};
    case ArrowPiece::D2:
        return {{20, 85}, {10, -1}, {10, 85}};
    case ArrowPiece::D3:
        return {{20, 149}, {10, -1}, {10, 149}};
    case ArrowPiece::R1:
        return {{25, 20}, {-1, 10}, {25, 10}};
    case ArrowPiece::L1:
        // The left 45 pixels lie under the dependant's own icon; the arrow shows in the gap.
        return {{70, 20}, {71, 10}, {45, 10}};
    case ArrowPiece::B1: {
        // From under the prerequisite's lower right corner (3, 30) to the dependant's upper
        // left corner (28, 51).
        const QLineF run(QPointF(3, 30), QPointF(28, 51));
        return {{40, 53}, run.pointAt(-0.12), QPointF(29, 52)};
    }
    case ArrowPiece::A1: {
        // From under the prerequisite's lower left corner (48, 30) to the dependant's upper
        // right corner (23, 51).
        const QLineF run(QPointF(48, 30), QPointF(23, 51));
        return {{50, 53}, run.pointAt(-0.12), QPointF(22, 52)};
    }
    }
    return {};
}

struct ArrowColours {
    QColor fill;
    QColor outline;
};

ArrowColours coloursOf(ArrowVariant variant)
{
    switch (variant) {
    case ArrowVariant::Locked:
        return {QColor(196, 194, 184), QColor(46, 45, 42)};
    case ArrowVariant::Open:
        return {QColor(48, 224, 72), QColor(8, 56, 16)};
    case ArrowVariant::Taken:
        return {QColor(246, 204, 40), QColor(84, 58, 4)};
    }
    return {};
}

QPainterPath arrowOutline(const ArrowCourse &course)
{
    const QLineF axis(course.tail, course.tip);
    const QPointF along = (course.tip - course.tail) / axis.length();
    const QPointF across(-along.y(), along.x());
    const QPointF headBase = course.tip - along * headLength;
    QPolygonF points;
    points << course.tail + across * shaftHalfWidth << headBase + across * shaftHalfWidth
           << headBase + across * headHalfWidth << course.tip << headBase - across * headHalfWidth
           << headBase - across * shaftHalfWidth << course.tail - across * shaftHalfWidth;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// Antialiased edges would blend into the magenta and leave a pink seam on the board, so every
// pixel ends up either the key or opaque; half-covered edge pixels are blended with the outline
// colour instead, which keeps the arrow smooth on dark backgrounds.
QImage keyedOver(const QImage &coverage, const QColor &outline)
{
    QImage out(coverage.size(), QImage::Format_RGB32);
    for (int y = 0; y < coverage.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(coverage.constScanLine(y));
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < coverage.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < opaqueFrom) {
                line[x] = ArrowTransparentKey;
                continue;
            }
            // The coverage picture is premultiplied: add the outline for the uncovered share.
            auto blend = [a](int premultiplied, int under) {
                return qBound(0, premultiplied + (under * (255 - a) + 127) / 255, 255);
            };
            line[x] = qRgb(blend(qRed(in[x]), outline.red()), blend(qGreen(in[x]), outline.green()),
                           blend(qBlue(in[x]), outline.blue()));
            if (line[x] == ArrowTransparentKey)
                line[x] = qRgb(255, 0, 254);
        }
    }
    out.setPixel(0, out.height() - 1, ArrowTransparentKey);
    return out;
}

} // namespace

const QVector<ArrowPiece> &allArrowPieces()
{
    static const QVector<ArrowPiece> pieces = {ArrowPiece::D1, ArrowPiece::D2, ArrowPiece::D3,
                                               ArrowPiece::R1, ArrowPiece::L1, ArrowPiece::B1,
                                               ArrowPiece::A1};
    return pieces;
}

const QVector<ArrowVariant> &allArrowVariants()
{
    static const QVector<ArrowVariant> variants = {ArrowVariant::Locked, ArrowVariant::Open,
                                                   ArrowVariant::Taken};
    return variants;
}

QString arrowFileName(ArrowPiece piece, ArrowVariant variant)
{
    static const char *const codes[] = {"d1", "d2", "d3", "r1", "l1", "b1", "a1"};
    static const char letters[] = {'w', 'g', 'y'};
    return QString::fromLatin1(codes[static_cast<int>(piece)]) +
           QChar::fromLatin1(letters[static_cast<int>(variant)]) + QStringLiteral(".bmp");
}

QSize arrowSize(ArrowPiece piece)
{
    return courseOf(piece).size;
}

QImage paintArrow(ArrowPiece piece, ArrowVariant variant)
{
    const ArrowCourse course = courseOf(piece);
    const ArrowColours colours = coloursOf(variant);
    QImage coverage(course.size, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);

    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath outline = arrowOutline(course);
    // Lit along the middle of the shaft, darker towards its edges, like a rounded rod.
    const QPointF along = (course.tip - course.tail) / QLineF(course.tail, course.tip).length();
    const QPointF across(-along.y(), along.x());
    QLinearGradient rod(course.tail - across * shaftHalfWidth,
                        course.tail + across * shaftHalfWidth);
    rod.setSpread(QGradient::PadSpread);
    rod.setColorAt(0.0, colours.fill.darker(135));
    rod.setColorAt(0.45, colours.fill.lighter(118));
    rod.setColorAt(1.0, colours.fill.darker(135));
    painter.setBrush(rod);
    painter.setPen(QPen(colours.outline, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(outline);
    painter.end();

    return keyedOver(coverage, colours.outline);
}
