#include "talents/rules.h"

#include "talents/slot_cell.h"

int pointsAboveRow(const TalentTable &table, int row, int tree)
{
    int sum = 0;
    for (int slot = 1; slot <= ColumnsPerRow * (row - 1) && slot <= SlotsPerTree; ++slot)
        sum += table.at(slot, tree).rank;
    return sum;
}

bool requirementsMet(const TalentTable &table, int slot, int tree)
{
    const int row = slotPosition(slot).row;
    if (pointsAboveRow(table, row, tree) < tierRequirement(row))
        return false;
    const int prereq = table.at(slot, tree).prereq;
    if (prereq == 0)
        return true;
    const Talent &p = table.at(prereq, tree);
    return p.rank == p.maxRank;
}

RefundBlock refundBlock(const TalentTable &table, int slot, int tree)
{
    const int first = firstSlotOfRow(slotPosition(slot).row);
    for (int j = first; j <= first + 3; ++j) {
        const Talent &t = table.at(j, tree);
        if (t.present && j != slot && t.rank > 0 && t.prereq == slot)
            return {RefundBlock::Kind::Dependent, j};
    }
    for (int i = first + 4; i <= SlotsPerTree; ++i) {
        const Talent &t = table.at(i, tree);
        if (!t.present || t.rank <= 0)
            continue;
        if (t.prereq == slot)
            return {RefundBlock::Kind::Dependent, i};
        const int row = slotPosition(i).row;
        // The point about to go back always lies above row `row`.
        if (pointsAboveRow(table, row, tree) - 1 < tierRequirement(row))
            return {RefundBlock::Kind::Row, 0, row};
    }
    return {};
}

QVector<int> reevaluateTree(TalentTable &table, int tree)
{
    QVector<int> changed;
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        Talent &t = table.at(slot, tree);
        if (!t.present)
            continue;
        const bool open = requirementsMet(table, slot, tree);
        if (open != t.available) {
            t.available = open;
            changed.append(slot);
        }
    }
    return changed;
}

TalentAccess talentAccess(const TalentTable &table, int slot, int tree)
{
    const Talent &t = table.at(slot, tree);
    if (t.rank >= t.maxRank)
        return {TalentAccess::Kind::Full};
    const int row = slotPosition(slot).row;
    const int above = pointsAboveRow(table, row, tree);
    if (above < tierRequirement(row))
        return {TalentAccess::Kind::NeedsPoints, tierRequirement(row) - above};
    if (t.prereq != 0 && TalentTable::validSlot(t.prereq)) {
        const Talent &p = table.at(t.prereq, tree);
        if (p.rank != p.maxRank)
            return {TalentAccess::Kind::NeedsPrerequisite, 0, t.prereq};
    }
    if (table.totalPoints >= PointBudget)
        return {TalentAccess::Kind::NoPointsLeft};
    return {TalentAccess::Kind::Open};
}
