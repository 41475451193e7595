#include "talents/press.h"

#include "talents/rules.h"

PressOutcome applyPress(TalentTable &table, int slot, int tree, PressButton button)
{
    PressOutcome out;
    Talent &t = table.at(slot, tree);
    if (table.totalPoints < PointBudget && button == PressButton::Left && t.available) {
        out.toColour = t.rank == 0;
        if (t.rank < t.maxRank) {
            ++t.rank;
            ++table.treePoints(tree);
            ++table.totalPoints;
            out.spent = true;
        }
    } else if (button == PressButton::Right && t.rank > 0 && canRefund(table, slot, tree)) {
        out.toGrey = t.rank == 1;
        --t.rank;
        --table.treePoints(tree);
        --table.totalPoints;
        out.refunded = true;
    }
    return out;
}
