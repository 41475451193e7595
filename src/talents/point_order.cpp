#include "talents/point_order.h"

#include "talents/rules.h"
#include "talents/slot_cell.h"

#include <functional>

namespace {

// The inOrder of a row of a tree in the derived order: ascending, but a talent's prerequisite in
// the same row before it (and that one's own before it, as far as the row's chain goes).
QVector<int> rowInDerivedOrder(const TalentTable &table, int row, int tree)
{
    QVector<int> inOrder;
    const int first = firstSlotOfRow(row);
    const auto inRow = [&](int slot) { return slot >= first && slot < first + ColumnsPerRow; };
    std::function<void(int, int)> place = [&](int slot, int depth) {
        // A loop of prerequisites within the row ends after a row's length.
        if (inOrder.contains(slot) || depth > ColumnsPerRow)
            return;
        const int prereq = table.at(slot, tree).prereq;
        if (inRow(prereq) && prereq != slot)
            place(prereq, depth + 1);
        if (!inOrder.contains(slot))
            inOrder.append(slot);
    };
    for (int slot = first; slot < first + ColumnsPerRow; ++slot)
        place(slot, 0);
    return inOrder;
}

} // namespace

PointOrder derivedOrder(const TalentTable &table, const RankGrid &ranks)
{
    PointOrder order;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int row = 1; row <= RowsPerTree; ++row) {
            for (int slot : rowInDerivedOrder(table, row, tree)) {
                for (int k = 0; k < ranks[tree - 1][slot - 1]; ++k)
                    order.append(QPoint(slot, tree));
            }
        }
    }
    return order;
}

QVector<bool> stepLegality(const TalentTable &table, const PointOrder &order)
{
    TalentTable board = table;
    setRanks(board, RankGrid{});
    QVector<bool> legal;
    legal.reserve(order.size());
    for (const QPoint &step : order) {
        const int slot = step.x();
        const int tree = step.y();
        const Talent &t = board.at(slot, tree);
        legal.append(t.present && board.totalPoints < PointBudget && t.rank < t.maxRank &&
                     requirementsMet(board, slot, tree));
        // The point is on the board for the steps after it, legal or not.
        Talent &taken = board.at(slot, tree);
        ++taken.rank;
        ++board.treePoints(tree);
        ++board.totalPoints;
    }
    return legal;
}

void removeLatestStep(PointOrder &order, int slot, int tree)
{
    const qsizetype at = order.lastIndexOf(QPoint(slot, tree));
    if (at >= 0)
        order.remove(at);
}

QVector<int> levelsOf(const PointOrder &order, int slot, int tree)
{
    QVector<int> levels;
    for (qsizetype n = 0; n < order.size(); ++n) {
        if (order[n] == QPoint(slot, tree))
            levels.append(FirstLevel + 1 + static_cast<int>(n));
    }
    return levels;
}

RankGrid ranksOfOrder(const PointOrder &order)
{
    RankGrid ranks{};
    for (const QPoint &step : order)
        ++ranks[step.y() - 1][step.x() - 1];
    return ranks;
}
