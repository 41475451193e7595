#include "board/trees_picture.h"

#include "board/fonts.h"
#include "board/key_colour.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The board shows every picture as 32-bit RGB, whatever its file held.
QImage asShown(const QImage &picture)
{
    return picture.format() == QImage::Format_RGB32 ? picture
                                                    : picture.convertToFormat(QImage::Format_RGB32);
}

void drawPicture(QPainter &painter, const PlacedPicture &placed, bool keyed = false)
{
    if (placed.picture.isNull())
        return;
    const QImage shown = asShown(placed.picture);
    painter.save();
    painter.translate(placed.at);
    painter.drawImage(0, 0, keyed ? withoutKeyColour(shown) : shown);
    painter.restore();
}

// Text as the board's labels draw it: from the top left corner of a box the text's own size,
// filled first when a fill is given.
void drawText(QPainter &painter, QPoint at, const QFont &font, const QColor &colour,
              const QString &text, const QColor &fill = QColor())
{
    if (text.isEmpty())
        return;
    const bool rightToLeft = text.isRightToLeft();
    const QSize size =
        QFontMetrics(font)
            .boundingRect(0, 0, 2000, 2000, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, text)
            .size();
    const int flags = (rightToLeft ? Qt::AlignRight | Qt::TextForceRightToLeft
                                   : Qt::AlignLeft | Qt::TextForceLeftToRight) |
                      Qt::AlignTop | Qt::AlignAbsolute;
    painter.save();
    painter.translate(at);
    if (fill.isValid())
        painter.fillRect(QRect(QPoint(), size), fill);
    // The box holds the text's advance, not every pixel of it: what a glyph's edge spills over
    // the box is cut off.
    painter.setClipRect(QRect(QPoint(), size));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(QPoint(), size), flags, text);
    painter.restore();
}

} // namespace

QImage paintTrees(const TreesPicture &trees, int scale)
{
    QImage image(trees.size * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const TreeLook &tree : trees.trees)
        drawPicture(painter, tree.background);
    const QFont labelFont = tahoma(LargeFont, true);
    for (const TreeLook &tree : trees.trees) {
        drawPicture(painter, tree.emblem);
        drawText(painter, tree.labelAt, labelFont, TreeLabelColour, tree.label);
    }
    for (const PlacedPicture &arrow : trees.arrows)
        drawPicture(painter, arrow, true);
    const QFont rankFont = tahoma(SmallFont, true);
    for (const TalentLook &talent : trees.talents) {
        drawPicture(painter, talent.icon);
        drawText(painter, talent.rankAt, rankFont, talent.rank.colour, talent.rank.text, Qt::black);
    }
    return image;
}
