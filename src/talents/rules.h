#pragma once

#include "talents/talent_table.h"

#include <QVector>

// Every rule looks at one tree only; the other two trees never open or close anything in it.

// Points spent in rows 1 to row - 1 of the tree, placed talents or not.
int pointsAboveRow(const TalentTable &table, int row, int tree);

// Are the talent's requirements met: enough points in the rows above, prerequisite at full rank.
bool requirementsMet(const TalentTable &table, int slot, int tree);

// What keeps a talent from giving back one point while every other point of its tree stays legal.
struct RefundBlock {
    enum class Kind {
        None,      // the point may go back
        Dependent, // a talent with points needs it as its prerequisite
        Row,       // a row below would be left with too few points above it
    };
    Kind kind = Kind::None;
    int slot = 0; // Dependent: the talent that needs it
    int row = 0;  // Row: the row that would lose its points
};
RefundBlock refundBlock(const TalentTable &table, int slot, int tree);

// May the talent give back one point and leave every other point of its tree legal.
inline bool canRefund(const TalentTable &table, int slot, int tree)
{
    return refundBlock(table, slot, tree).kind == RefundBlock::Kind::None;
}

// The points rows 1 to row - 1 of a tree must hold before a talent of `row` opens.
constexpr int tierRequirement(int row)
{
    return PointsPerTier * (row - 1);
}

// Whether the points spent stand at the budget or one point below it: the only totals at which
// a press can change whether open talents may still take a point, so the rank labels of every
// open talent must be drawn again (green below the budget, white at it).
constexpr bool atBudgetEdge(int totalPoints)
{
    return totalPoints == PointBudget || totalPoints == PointBudget - 1;
}

// Brings `available` of every placed talent of the tree up to date and returns the slots whose
// flag changed, in ascending order: only those cells need redrawing.
QVector<int> reevaluateTree(TalentTable &table, int tree);

// What stands between a talent and its next point, for a screen reader to say.
struct TalentAccess {
    enum class Kind {
        Open,              // a press spends a point
        Full,              // at its maximum rank
        NeedsPoints,       // too few points in the rows above
        NeedsPrerequisite, // its prerequisite is not at full rank
        NoPointsLeft,      // every point of the budget is spent
    };
    Kind kind = Kind::Open;
    int missingPoints = 0; // NeedsPoints: how many more the rows above need
    int prerequisite = 0;  // NeedsPrerequisite: the prerequisite's slot
};
TalentAccess talentAccess(const TalentTable &table, int slot, int tree);
