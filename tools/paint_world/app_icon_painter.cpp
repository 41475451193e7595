#include "app_icon_painter.h"

#include "colour_mix.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// All drawing is in a 256 × 256 box; smaller icons scale it down and thicken the lines so the
// tree still reads at 16 pixels.
constexpr qreal designSize = 256;

QPainterPath stoneOutline()
{
    QPainterPath stone(QPointF(58, 240));
    stone.lineTo(50, 104);
    stone.cubicTo(48, 46, 92, 14, 130, 14);
    stone.cubicTo(170, 14, 210, 48, 206, 108);
    stone.lineTo(198, 240);
    stone.closeSubpath();
    return stone;
}

QPainterPath treeLines()
{
    QPainterPath tree(QPointF(128, 214));
    tree.lineTo(128, 72);
    tree.moveTo(128, 168);
    tree.lineTo(84, 116);
    tree.lineTo(84, 100);
    tree.moveTo(128, 148);
    tree.lineTo(172, 112);
    tree.lineTo(172, 100);
    tree.moveTo(128, 214);
    tree.lineTo(104, 232);
    tree.moveTo(128, 214);
    tree.lineTo(152, 232);
    return tree;
}

void drawStone(QPainter &painter, qreal lineScale)
{
    const QPainterPath stone = stoneOutline();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(stone.translated(6, 6));

    QLinearGradient face(QPointF(50, 0), QPointF(206, 0));
    face.setColorAt(0.0, QColor(128, 136, 152));
    face.setColorAt(0.5, QColor(96, 103, 120));
    face.setColorAt(1.0, QColor(58, 62, 76));
    painter.setBrush(face);
    painter.setPen(
        QPen(QColor(24, 26, 34), 6 * lineScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(stone);

    painter.setClipPath(stone);
    QLinearGradient sheen(QPointF(0, 14), QPointF(0, 120));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRect(QRectF(0, 0, designSize, designSize));
    painter.setClipping(false);
}

void drawCarvedTree(QPainter &painter, qreal lineScale)
{
    const QPainterPath tree = treeLines();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(QColor(22, 24, 32), 18 * lineScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tree);
    painter.setPen(
        QPen(QColor(92, 214, 236), 8 * lineScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tree);
}

void drawNode(QPainter &painter, QPointF centre, const QColor &colour, qreal nodeScale)
{
    const qreal reach = 34 * nodeScale;
    QRadialGradient glow(centre, reach);
    glow.setColorAt(0.0, withAlpha(colour, 190));
    glow.setColorAt(1.0, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, reach, reach);

    const qreal r = 15 * nodeScale;
    QRadialGradient core(centre - QPointF(r / 3, r / 3), r * 1.3);
    core.setColorAt(0.0, Qt::white);
    core.setColorAt(0.45, colour.lighter(130));
    core.setColorAt(1.0, colour.darker(140));
    painter.setBrush(core);
    painter.setPen(QPen(QColor(30, 22, 8), 3 * nodeScale));
    painter.drawEllipse(centre, r, r);
}

} // namespace

const QVector<int> &appIconSizes()
{
    static const QVector<int> sizes = {16, 32, 48, 64, 128, 256};
    return sizes;
}

QImage paintAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / designSize, size / designSize);
    // Lines thicken more than the nodes grow: at 16 pixels the nodes would otherwise merge.
    const qreal lineScale = size <= 16 ? 1.7 : size <= 32 ? 1.3 : 1.0;
    const qreal nodeScale = size <= 16 ? 1.1 : size <= 32 ? 1.1 : 1.0;
    drawStone(painter, lineScale);
    drawCarvedTree(painter, lineScale);
    const QColor nodeGlow(255, 200, 64);
    for (const QPointF node : {QPointF(84, 96), QPointF(128, 68), QPointF(172, 96)})
        drawNode(painter, node, nodeGlow, nodeScale);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
