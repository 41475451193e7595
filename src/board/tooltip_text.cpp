#include "board/tooltip_text.h"

namespace {
const QString DoubleBreak = QStringLiteral("<br /><br />");
const QChar CR = u'\r';

QString number(int n)
{
    return QString::number(n);
}

const QString &rankTextAt(const Talent &t, int k)
{
    static const QString none;
    return k >= 1 && k <= MaxRankLimit ? t.rankText[static_cast<size_t>(k)] : none;
}
} // namespace

QString convertLineBreaks(const QString &text)
{
    QString result;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(DoubleBreak); at >= 0; at = text.indexOf(DoubleBreak, from)) {
        result += QStringView(text).mid(from, at - from);
        result += CR;
        from = at + DoubleBreak.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

TooltipTexts tooltipTexts(const TalentTable &table, int slot, int tree, const TooltipWords &words)
{
    const Talent &t = table.at(slot, tree);
    TooltipTexts out;
    auto line = [&](int n, const QString &name) -> QString {
        return words.needsOpen + u' ' + number(n) + u' ' + words.needsMiddle + u' ' + name + u' ' +
               words.needsClose;
    };
    if (t.prereq != 0 && TalentTable::validSlot(t.prereq)) {
        const Talent &p = table.at(t.prereq, tree);
        out.requirements = line(p.maxRank, p.name) + CR;
    }
    if (slot > ColumnsPerRow)
        out.requirements += line((t.row - 1) * PointsPerTier, table.treeName(tree));
    out.rankLine = words.rank + u':' + number(t.rank) + u'/' + number(t.maxRank);
    if (t.rank == 0) {
        out.description = convertLineBreaks(rankTextAt(t, 1));
    } else if (t.rank == t.maxRank) {
        out.description = convertLineBreaks(rankTextAt(t, t.maxRank));
    } else {
        out.description = convertLineBreaks(rankTextAt(t, t.rank)) + CR + u' ' + CR +
                          words.nextRank + u':' + CR + convertLineBreaks(rankTextAt(t, t.rank + 1));
    }
    out.name = t.name;
    return out;
}

QPoint tooltipPosition(const QRect &icon, const QSize &panel, int slot, int tree)
{
    const int x =
        tree == TreeCount ? icon.left() - panel.width() - 5 : icon.left() + icon.width() + 5;
    const int y = slot <= 32 ? icon.top() : icon.top() - panel.height();
    return {x, y};
}
