#pragma once

#include "datafolder/class_layout.h"
#include "talents/rank_grid.h"
#include "talents/talent_table.h"

#include <QByteArray>
#include <QString>
#include <array>

// A plan file: line 1 the class index, then one line of 44 digits per tree, the i-th digit the
// rank of slot i ("0" for a slot without a placed talent). Lines end in CR LF.

// No plan is larger than this; a bigger file is refused before it is read.
inline constexpr qint64 MaxPlanFileBytes = 64 * 1024;

struct PlanRanks {
    int classIndex = 0;
    RankGrid ranks{}; // [tree - 1][slot - 1]

    int rank(int slot, int tree) const { return ranks.at(tree - 1).at(slot - 1); }
};

// The text of the plan on the board.
QByteArray formatPlan(int classIndex, const TalentTable &table);

// The plan as its file states it, before any check against a class.
struct PlanText {
    int classIndex = 0;
    std::array<QString, TreeCount> treeLines; // each cut to its first 44 characters
};

// Reads the class index and the three tree lines; throws Error naming the file, the line and the
// reason. CR LF or LF end a line; lines after the third tree line are ignored.
PlanText parsePlanText(const QByteArray &bytes, const QString &fileName);

// Checks a plan against the class it names: every placed talent needs a digit no higher than its
// number of ranks, and all ranks together may not pass the budget. Slots without a placed talent
// are ignored. `classCount` is the number of classes on offer. Throws Error naming the file,
// the line and the reason.
PlanRanks checkPlan(const PlanText &plan, const ClassLayout &layout, const QString &fileName);

// The class index must name a class on offer; throws Error otherwise.
void checkPlanClass(const PlanText &plan, int classCount, const QString &fileName);

// Reads a plan file whole, refusing one larger than a plan can be.
QByteArray readPlanFile(const QString &path);

// Writes the plan so that the old file is replaced only by a complete new one.
void writePlanFile(const QString &path, const QByteArray &text);
