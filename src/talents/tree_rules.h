#pragma once

#include "talents/finding.h"
#include "talents/tree_file.h"

#include <QVector>
#include <array>

// Rules a tree file must keep beyond what its reader refuses, as the data folder checker applies
// them. Plain functions over files already read.

// Which slots of a tree have a talent on the board: a block names the slot and its picture
// file is there. Index slot - 1.
using PlacedSlots = std::array<bool, SlotsPerTree>;

// The block that counts for each slot (the last one naming it, as in a class load); null where no
// block names the slot. Index slot - 1.
std::array<const TalentBlock *, SlotsPerTree> blocksBySlot(const TreeFile &file);

// A translation states the same talents as the reference file of the tree: the same slots, ranks
// and prerequisites. A language change keeps the plan on the board only when they agree, and a
// plan or build code made in one language must mean the same in the other. Findings are about the
// translation (`translationName`), at the line of the block that differs.
QVector<Finding> headerDisagreements(const TreeFile &reference, const QString &referenceName,
                                     const TreeFile &translation, const QString &translationName);

// Every placed talent's prerequisite is a placed talent of the same tree other than itself:
// otherwise the talent can never be opened.
QVector<Finding> unplacedPrerequisites(const TreeFile &file, const PlacedSlots &placed,
                                       const QString &fileName);

// Placed talents that need one another in a ring (5 needs 9, 9 needs 5), of any length: none of
// them can ever be opened. One finding a ring, at the first line of its blocks, naming them all.
QVector<Finding> prerequisiteRings(const TreeFile &file, const PlacedSlots &placed,
                                   const QString &fileName);

// Names and rank texts a line missing above them would make: an empty one (a blank line read as
// the text) or one that starts with '#' (a header read as text, so that the talent it heads is
// silently left out). Warnings at those lines.
QVector<Finding> suspectTexts(const TreeFile &file, const QString &fileName);
