#include "board/comparison_marks.h"

#include <QStringList>

ComparisonBadge comparisonBadge(int difference)
{
    if (difference > 0)
        return {u'+' + QString::number(difference), Qt::black, QColor(0, 255, 0)};
    return {QString::number(difference), Qt::white, QColor(255, 0, 0)};
}

QString comparedTreeLabel(const QString &label, const TreeSums &sums)
{
    QStringList parts;
    if (sums.more > 0)
        parts << u'+' + QString::number(sums.more);
    if (sums.fewer > 0)
        parts << u'-' + QString::number(sums.fewer);
    if (parts.isEmpty())
        return label;
    return label + QStringLiteral(" (") + parts.join(u' ') + u')';
}
