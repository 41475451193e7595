#pragma once

#include "talents/rank_grid.h"

#include <QPoint>
#include <QVector>

// The order in which a plan's points were spent: step n is the n-th point, (slot, tree), taken at
// character level FirstLevel + n.
using PointOrder = QVector<QPoint>;

inline constexpr int FirstLevel = 9; // the level before the first point

// The order a plan file implies, having none of its own: trees 1, 2, 3 in turn; within a tree
// rows 1 to 11; within a row by ascending slot, except that a talent's prerequisite in the same
// row comes first; all ranks of a talent together. `table` gives the trees.
PointOrder derivedOrder(const TalentTable &table, const RankGrid &ranks);

// Whether each step is legal: a left press on its talent would be accepted on a board holding
// exactly the steps before it.
QVector<bool> stepLegality(const TalentTable &table, const PointOrder &order);

// The order after a refund of the talent: its latest step goes and the later steps close up.
void removeLatestStep(PointOrder &order, int slot, int tree);

// The levels at which the talent took its points, in order.
QVector<int> levelsOf(const PointOrder &order, int slot, int tree);

// The ranks an order gives.
RankGrid ranksOfOrder(const PointOrder &order);
