#pragma once

#include "talents/finding.h"
#include "talents/tree_rules.h"

#include <QStringList>
#include <optional>

// Rules about the arrows of a class, as the data folder checker applies them to its tree files.

// The loader's words for a class with more talents with a prerequisite than arrows to draw them:
// `slot` would be arrow number `arrowNumber`.
QString arrowLimitReason(int slot, int arrowNumber);

// The three tree files of a class in one language, what of them is placed, and their names.
struct ClassTrees {
    std::array<const TreeFile *, TreeCount> files{}; // null for a tree that could not be read
    std::array<PlacedSlots, TreeCount> placed{};
    std::array<QString, TreeCount> names;
};

// The class load registers an arrow for each placed talent with a prerequisite, in the order the
// tree files name them, and refuses the class at the one past ArrowCapacity: that talent's block.
std::optional<Finding> arrowLimitExceeded(const ClassTrees &trees);

// Placed talents whose prerequisite stands where no arrow piece reaches (two or more columns
// away, more than three rows straight up, or below): the rule holds, but the board shows no arrow
// for it. Warnings about `fileName`.
QVector<Finding> relationsWithoutArrow(const TreeFile &file, const PlacedSlots &placed,
                                       const QString &fileName);

// The 21 arrow bitmaps a data folder holds, "arrows/d1w.bmp" and so on: every piece in every
// variant.
QStringList arrowBitmapNames();
