#include "glyph_painter.h"

#include "colour_mix.h"

#include <QLinearGradient>
#include <algorithm>

QTransform glyphPlacement(const GlyphShape &shape, const QRectF &target)
{
    const QRectF bounds = shape.bounds();
    if (bounds.isEmpty())
        return {};
    const qreal scale =
        std::min(target.width() / bounds.width(), target.height() / bounds.height());
    QTransform t;
    t.translate(target.center().x(), target.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t;
}

void drawGlyph(QPainter &painter, const GlyphShape &shape, const QRectF &target,
               const QColor &colour)
{
    const QTransform place = glyphPlacement(shape, target);
    const QPainterPath body = place.map(shape.body);
    const QPainterPath shade = place.map(shape.shade);
    const QPainterPath light = place.map(shape.light);
    const QRectF box = body.boundingRect();
    // Outlines and the shadow offset grow with the picture, so an emblem and the program icon
    // get the same look as a talent icon.
    const qreal unit = std::max<qreal>(target.height() / 31.0, 0.6);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawPath(body.translated(1.1 * unit, 1.5 * unit));

    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, mixColours(colour, Qt::white, 0.35));
    fill.setColorAt(0.45, colour);
    fill.setColorAt(1.0, colour.darker(185));
    painter.setBrush(fill);
    painter.drawPath(body);

    painter.setBrush(withAlpha(colour.darker(300), 220));
    painter.drawPath(shade.intersected(body));
    painter.setBrush(withAlpha(mixColours(colour, Qt::white, 0.65), 235));
    painter.drawPath(light);

    painter.setClipPath(body);
    QLinearGradient gloss(box.topLeft(), QPointF(box.left(), box.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(gloss);
    painter.drawRect(box);
    painter.setClipping(false);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(colour.darker(320), 0.9 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(body);
    painter.restore();
}
