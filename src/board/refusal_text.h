#pragma once

#include "talents/press.h"
#include "talents/talent_table.h"

#include <QString>

// The words of the reasons a press changes nothing, in the interface's language.
struct RefusalWords {
    QString rowNeeds;          // %1 the row, %2 the points it needs above it
    QString needsPrerequisite; // %1 the prerequisite, %2 its full rank
    QString noPointsLeft;
    QString full;
    QString heldBy; // %1 the talent whose points need the pressed one
};

// Why a press on the talent would change no rank, in words; empty when it would change one, or
// when there is nothing to explain (a right press on a talent without points, a middle press).
QString refusalText(const TalentTable &table, int slot, int tree, PressButton button,
                    const RefusalWords &words);
