#pragma once

#include "talents/talent_table.h"

#include <QVector>

// Every rule looks at one tree only; the other two trees never open or close anything in it.

// Points spent in rows 1 to row - 1 of the tree, placed talents or not.
int pointsAboveRow(const TalentTable &table, int row, int tree);

// Are the talent's requirements met: enough points in the rows above, prerequisite at full rank.
bool requirementsMet(const TalentTable &table, int slot, int tree);

// May the talent give back one point and leave every other point of its tree legal.
bool canRefund(const TalentTable &table, int slot, int tree);

// Brings `available` of every placed talent of the tree up to date and returns the slots whose
// flag changed, in ascending order: only those cells need redrawing.
QVector<int> reevaluateTree(TalentTable &table, int tree);
