#include "icon_painter.h"

#include "colour_mix.h"
#include "glyph_painter.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

// The frame takes its tone from the tree's light colour, toned down towards old bronze so that
// frames of a garish palette still look like metal.
QColor frameMetal(const TreeArt &tree)
{
    return mixColours(cappedValue(tree.light, 170), QColor(160, 136, 88), 0.6);
}

void drawField(QPainter &painter, const QRectF &field, const QColor &talent, const TreeArt &tree)
{
    const QColor centre = mixColours(talent.darker(260), tree.dark, 0.35);
    QRadialGradient gradient(field.center(), std::hypot(field.width(), field.height()) / 2);
    gradient.setColorAt(0.0, centre);
    gradient.setColorAt(0.55, mixColours(centre, Qt::black, 0.35));
    gradient.setColorAt(1.0, mixColours(centre, Qt::black, 0.75));
    painter.fillRect(field, gradient);
}

// Rings and rays that differ from slot to slot, too faint to compete with the glyph, so two
// talents drawn with the same glyph and colour can still be told apart.
void drawSlotPattern(QPainter &painter, const QRectF &field, const QColor &talent, int slot)
{
    const int rings = 2 + slot % 3;
    const int rays = 6 + 2 * ((slot / 3) % 4);
    const qreal turn = slot * 23.0;
    const QPointF centre = field.center();
    const qreal reach = std::hypot(field.width(), field.height()) / 2;

    painter.save();
    painter.setClipRect(field);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(talent.lighter(130), 34), 1.0));
    for (int k = 1; k <= rings; ++k)
        painter.drawEllipse(centre, reach * k / (rings + 1.0), reach * k / (rings + 1.0));
    painter.setPen(QPen(withAlpha(talent.lighter(130), 22), 1.0));
    for (int k = 0; k < rays; ++k) {
        const qreal angle = (turn + 360.0 * k / rays) * std::numbers::pi / 180.0;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * 8.0, centre + direction * reach);
    }
    painter.restore();
}

void drawGlow(QPainter &painter, const QRectF &field, const QColor &talent)
{
    QRadialGradient glow(field.center(), field.height() * 0.48);
    glow.setColorAt(0.0, withAlpha(talent, 120));
    glow.setColorAt(1.0, withAlpha(talent, 0));
    painter.fillRect(field, glow);
}

// A frame: a black outer line, two rows of bevel lit from the upper left, and a dark line
// against the field.
void drawBevelFrame(QPainter &painter, const QSize &size, const QColor &metal)
{
    const qreal w = size.width();
    const qreal h = size.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    // Rows 1 and 2 from the edge, each split into its lit upper-left and shaded lower-right half.
    const struct {
        qreal inset;
        QColor lit;
        QColor shaded;
    } bevel[] = {{1, metal.lighter(165), metal.darker(210)},
                 {2, metal.lighter(118), metal.darker(150)}};
    for (const auto &row : bevel) {
        const qreal o = row.inset;
        const qreal i = row.inset + 1;
        painter.setBrush(row.lit);
        painter.drawPolygon(
            QPolygonF{{o, o}, {w - o, o}, {w - i, i}, {i, i}, {i, h - i}, {o, h - o}});
        painter.setBrush(row.shaded);
        painter.drawPolygon(QPolygonF{
            {w - o, o}, {w - o, h - o}, {o, h - o}, {i, h - i}, {w - i, h - i}, {w - i, i}});
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.drawRect(QRectF(0, 0, w - 1, h - 1));
    painter.setPen(QPen(QColor(0, 0, 0, 170), 1));
    painter.drawRect(QRectF(3, 3, w - 7, h - 7));
    painter.restore();
}

// The field a bevel frame `frame` pixels wide leaves, reaching one pixel under the frame.
QRectF insideFrame(QSize size, int frame)
{
    const int inset = frame - 1;
    return QRectF(inset, inset, size.width() - 2 * inset, size.height() - 2 * inset);
}

} // namespace

QImage paintTalentIcon(const GlyphArt &talent, const TreeArt &tree, int slot)
{
    QImage image(TalentIconSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF field = insideFrame(TalentIconSize, 4);
    drawField(painter, field, talent.colour, tree);
    drawSlotPattern(painter, field, talent.colour, slot);
    drawGlow(painter, field, talent.colour);
    drawGlyph(painter, glyphShape(talent.glyph), field.adjusted(3.5, 3, -3.5, -3.5), talent.colour);
    drawBevelFrame(painter, TalentIconSize, frameMetal(tree));
    return image;
}

QImage paintEmblem(const TreeArt &tree)
{
    QImage image(EmblemSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF field = insideFrame(EmblemSize, 3);
    drawField(painter, field, tree.emblem.colour, tree);
    drawGlow(painter, field, tree.emblem.colour);
    drawGlyph(painter, glyphShape(tree.emblem.glyph), field.adjusted(1.5, 1.5, -1.5, -1.5),
              tree.emblem.colour);
    drawBevelFrame(painter, EmblemSize, frameMetal(tree));
    return image;
}
