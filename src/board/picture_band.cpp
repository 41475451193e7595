#include "board/picture_band.h"

#include "board/fonts.h"
#include "board/rank_look.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace {

// Room around the texts, at 1x.
constexpr int Margin = 6;
constexpr int LineGap = 3;

QFont headingFont()
{
    return tahoma(LargeFont, true);
}

QFont codeFont()
{
    return tahoma(SmallFont);
}

// The code cut into lines that each fit `width`: a code has no spaces to break at, and every
// character of it must stay, so a line ends wherever the next character would overflow.
QStringList codeLines(const QString &code, int width)
{
    const QFontMetrics metrics(codeFont());
    QStringList lines;
    QString line;
    for (const QChar c : code) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            lines << line;
            line.clear();
        }
        line += c;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

int bandHeight(const PictureBand &band, int width)
{
    const int lines = static_cast<int>(codeLines(band.code, width - 2 * Margin).size());
    return Margin + QFontMetrics(headingFont()).height() + LineGap +
           lines * QFontMetrics(codeFont()).height() + Margin;
}

QImage withBand(const QImage &trees, const PictureBand &band, int scale)
{
    const int width = trees.width() / scale;
    const int textWidth = width - 2 * Margin;
    QImage image(trees.width(), trees.height() + bandHeight(band, width) * scale,
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawImage(0, 0, trees);
    painter.translate(0, trees.height());
    painter.scale(scale, scale);

    const QFont heading = headingFont();
    const QFontMetrics headingMetrics(heading);
    painter.setFont(heading);
    painter.setPen(RankGold);
    painter.drawText(QRect(Margin, Margin, textWidth, headingMetrics.height()),
                     Qt::AlignLeft | Qt::AlignTop,
                     headingMetrics.elidedText(band.heading, Qt::ElideRight, textWidth));

    const QFont code = codeFont();
    const int lineHeight = QFontMetrics(code).height();
    painter.setFont(code);
    painter.setPen(Qt::white);
    int y = Margin + headingMetrics.height() + LineGap;
    for (const QString &line : codeLines(band.code, textWidth)) {
        painter.drawText(QRect(Margin, y, textWidth, lineHeight), Qt::AlignLeft | Qt::AlignTop,
                         line);
        y += lineHeight;
    }
    return image;
}
