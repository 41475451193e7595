#pragma once

#include "datafolder/more_strings.h"
#include "talents/build_difference.h"
#include "talents/point_order.h"
#include "talents/talent_table.h"

#include <QString>
#include <QStringList>

// What a summary of a build is made of.
struct SummaryInput {
    QString className;
    const TalentTable *table = nullptr; // with the ranks of the build
    PointOrder order;
    bool derivedOrder = false;
    QString code; // the build code, standing alone on the last line
    // While the board is compared with another build: how the build differs from it.
    std::optional<BuildDifference> difference;
};

// The summary as plain text for chat and forums, in the language of `more`: the class and its
// points, each tree's talents with points, and the points level by level with the steps the rules
// would not take marked, and while compared, a section of the differences before the code. Every
// line is shorter than 80 characters but the last, the build code.
QString buildSummary(const SummaryInput &input, const MoreStrings &more);

// The points level by level, one line a step: its level, its talent and the talent's rank after
// it, the steps the rules would not take marked.
QStringList stepLines(const TalentTable &table, const PointOrder &order, const MoreStrings &more);
