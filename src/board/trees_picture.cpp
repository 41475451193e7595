#include "board/trees_picture.h"

#include "board/fonts.h"
#include "board/key_colour.h"

#include <QFontMetrics>
#include <QPainter>

QImage asShown(const QImage &picture)
{
    return picture.format() == QImage::Format_RGB32 ? picture
                                                    : picture.convertToFormat(QImage::Format_RGB32);
}

void drawBoardPicture(QPainter &painter, const PlacedPicture &placed, bool keyed)
{
    if (placed.picture.isNull())
        return;
    const QImage shown = asShown(placed.picture);
    painter.save();
    painter.translate(placed.at);
    painter.drawImage(0, 0, keyed ? withoutKeyColour(shown) : shown);
    painter.restore();
}

QSize boardTextSize(const QFont &font, const QString &text)
{
    if (text.isEmpty())
        return {};
    return QFontMetrics(font)
        .boundingRect(0, 0, 2000, 2000, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, text)
        .size();
}

void drawBoardText(QPainter &painter, QPoint at, const QFont &font, const QColor &colour,
                   const QString &text, const QColor &fill)
{
    drawBoardText(painter, QRect(at, boardTextSize(font, text)), font, colour, text, fill);
}

void drawBoardText(QPainter &painter, const QRect &box, const QFont &font, const QColor &colour,
                   const QString &text, const QColor &fill)
{
    if (text.isEmpty())
        return;
    const bool rightToLeft = text.isRightToLeft();
    const QPoint at = box.topLeft();
    const QSize size = box.size();
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

QImage paintTrees(const TreesPicture &trees, int scale)
{
    QImage image(trees.size * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const TreeLook &tree : trees.trees)
        drawBoardPicture(painter, tree.background);
    const QFont labelFont = tahoma(LargeFont, true);
    for (const TreeLook &tree : trees.trees) {
        drawBoardPicture(painter, tree.emblem);
        drawBoardText(painter, tree.labelAt, labelFont, TreeLabelColour, tree.label);
    }
    for (const PlacedPicture &arrow : trees.arrows)
        drawBoardPicture(painter, arrow, true);
    const QFont rankFont = tahoma(SmallFont, true);
    for (const TalentLook &talent : trees.talents) {
        drawBoardPicture(painter, talent.icon);
        drawBoardText(painter, talent.rankAt, rankFont, talent.rank.colour, talent.rank.text,
                      Qt::black);
    }
    return image;
}
