#include "background_painter.h"

#include "colour_mix.h"
#include "glyph_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

// Highest HSV value of the body of the picture: white, green and gold text and the icons' frames
// must stay readable on it, whatever light tone art.txt gives.
constexpr int brightestValue = 84;

void drawGradient(QPainter &painter, const TreeArt &tree, const QRectF &area)
{
    const QColor dark = cappedValue(tree.dark, 60);
    const QColor light = cappedValue(tree.light, 200);
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, cappedValue(mixColours(dark, light, 0.45), brightestValue));
    gradient.setColorAt(0.35, cappedValue(mixColours(dark, light, 0.28), brightestValue));
    gradient.setColorAt(0.75, cappedValue(mixColours(dark, light, 0.12), brightestValue));
    gradient.setColorAt(1.0, dark);
    painter.fillRect(area, gradient);

    QRadialGradient skyGlow(QPointF(area.center().x(), area.top() - 60), area.width() * 1.2);
    skyGlow.setColorAt(0.0, withAlpha(light, 46));
    skyGlow.setColorAt(1.0, withAlpha(light, 0));
    painter.fillRect(area, skyGlow);
}

// The emblem, large and faint, inside a ring with ticks: each tree gets its own ornament from
// its own art.txt.
void drawOrnament(QPainter &painter, const TreeArt &tree, const QPointF &centre)
{
    const QColor light = cappedValue(tree.light, 210);
    const qreal radius = 128;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(light, 30), 1.5));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(withAlpha(light, 20), 1.0));
    painter.drawEllipse(centre, radius - 9, radius - 9);
    for (int k = 0; k < 24; ++k) {
        const qreal angle = k * std::numbers::pi / 12;
        const QPointF direction(std::cos(angle), std::sin(angle));
        const qreal inner = k % 2 == 0 ? radius - 9 : radius - 5;
        painter.drawLine(centre + direction * inner, centre + direction * radius);
    }

    const GlyphShape shape = glyphShape(tree.emblem.glyph);
    const QRectF box(centre.x() - 80, centre.y() - 80, 160, 160);
    const QPainterPath body = glyphPlacement(shape, box).map(shape.body);
    painter.setPen(QPen(withAlpha(light, 34), 1.5));
    painter.setBrush(withAlpha(mixColours(light, tree.emblem.colour, 0.3), 16));
    painter.drawPath(body);
    painter.restore();
}

void drawVignette(QPainter &painter, const QRectF &area)
{
    QRadialGradient vignette(area.center(), std::hypot(area.width(), area.height()) * 0.55);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.6, QColor(0, 0, 0, 30));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 150));
    painter.fillRect(area, vignette);

    painter.setPen(QPen(withAlpha(QColor(255, 255, 255), 14), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2.5, 2.5, area.width() - 5, area.bottom() - 5));
}

void drawNameStrip(QPainter &painter, const TreeArt &tree)
{
    const QColor dark = cappedValue(tree.dark, 60);
    const qreal w = BackgroundSize.width();
    QLinearGradient fade(QPointF(0, NameStripTop - 16), QPointF(0, NameStripTop));
    fade.setColorAt(0.0, QColor(0, 0, 0, 0));
    fade.setColorAt(1.0, QColor(0, 0, 0, 110));
    painter.fillRect(QRectF(0, NameStripTop - 16, w, 16), fade);
    const QRectF strip(0, NameStripTop, w, BackgroundSize.height() - NameStripTop);
    painter.fillRect(strip, mixColours(dark, Qt::black, 0.6));
    painter.setPen(QPen(withAlpha(cappedValue(tree.light, 200), 70), 1));
    painter.drawLine(QPointF(0, NameStripTop - 0.5), QPointF(w, NameStripTop - 0.5));
}

} // namespace

QImage paintBackground(const TreeArt &tree)
{
    QImage image(BackgroundSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF body(0, 0, BackgroundSize.width(), NameStripTop);
    drawGradient(painter, tree, body);
    drawOrnament(painter, tree, QPointF(body.center().x(), 330));
    drawVignette(painter, body);
    drawNameStrip(painter, tree);
    return image;
}
