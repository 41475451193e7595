// The marks of a comparison on the board: a badge on each talent whose rank differs from the
// compared build's, and each tree's sums in its label.
#include "board/comparison_marks.h"
#include "build/build.h"
#include "build/comparison.h"
#include "ui/board_view.h"

#include <QAccessible>
#include <QPainter>

namespace {

// The board's rank minus the compared build's; 0 while not compared.
int differenceAt(const TalentTable &shown, const Comparison *comparison, int slot, int tree)
{
    if (!comparison || !comparison->active())
        return 0;
    return shown.at(slot, tree).rank - comparison->rank(slot, tree);
}

} // namespace

void BoardView::compareWith(const Comparison &comparison)
{
    comparison_ = &comparison;
    connect(&comparison, &Comparison::changed, this, [this] { showComparison(); });
}

void BoardView::showComparison()
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            TalentCell &c = cellAt(slot, tree);
            if (!c.placed)
                continue;
            placeBadge(c, differenceAt(shown(), comparison_, slot, tree), Repaint::Cell);
            tellReader({tree, slot}, QAccessible::DescriptionChanged);
        }
        setTreeLabel(tree, treeLabelText(tree));
    }
    // The tooltip's compared line comes or goes.
    if (hovered_)
        showTooltip(*hovered_);
}

QString BoardView::treeLabelText(int tree) const
{
    const TalentTable &table = shown();
    const QString label = counterCaption(table.treeName(tree), table.treePoints(tree));
    if (!comparison_ || !comparison_->active())
        return label;
    TreeSums sums;
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        const int difference = differenceAt(shown(), comparison_, slot, tree);
        (difference > 0 ? sums.more : sums.fewer) += std::abs(difference);
    }
    return comparedTreeLabel(label, sums);
}

void BoardView::placeBadge(TalentCell &c, int difference, Repaint repaint)
{
    const QRect before = c.badgeBox;
    const bool changed = c.badge != difference;
    c.badge = difference;
    c.badgeBox = difference == 0
                     ? QRect()
                     : QRect(c.icon.topLeft(),
                             QSize(rankSizes_.of(comparisonBadge(difference).text).width() +
                                       2 * BadgePadding,
                                   BadgeHeight));
    if (repaint == Repaint::Cell && (changed || before != c.badgeBox)) {
        update(before);
        update(c.badgeBox);
    }
}

void BoardView::drawBadge(QPainter &painter, const TalentCell &c)
{
    const ComparisonBadge badge = comparisonBadge(c.badge);
    painter.fillRect(c.badgeBox, badge.fill);
    const QSize text = rankSizes_.of(badge.text);
    const QRect box(QPoint(c.badgeBox.left() + BadgePadding,
                           c.badgeBox.top() + (BadgeHeight - text.height()) / 2),
                    text);
    painter.save();
    painter.setClipRect(c.badgeBox, Qt::IntersectClip);
    rankPictures_.draw(painter, box, badge.ink, badge.text, badge.fill);
    painter.restore();
}

int BoardView::comparedDifference(int slot, int tree) const
{
    return differenceAt(shown(), comparison_, slot, tree);
}
