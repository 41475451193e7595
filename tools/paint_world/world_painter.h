#pragma once

#include "art_file.h"
#include "talents/tree_file.h"

#include <QString>
#include <QStringList>

// What a run did, for the build log.
struct PaintTally {
    int written = 0;
    int unchanged = 0;
    int removed = 0;
    QStringList warnings;
};

// Every talent of the tree file must have a line in art.txt, or the planner would show the
// talent without an icon (and so leave it off the board). Throws Error naming art.txt and the
// first slot that has none. Slots that art.txt paints but the tree file lacks come back as
// warnings: their icons are harmless, but probably a slip.
QStringList checkArtCoversTalents(const TreeArt &art, const QString &artFileName,
                                  const TreeFile &talents, const QString &talentFileName);

// Paints the pictures of one tree from <treeSource>/art.txt, checked against
// <treeSource>/tal.en, into <treeOutput>: fon.jpg, icv.jpg and <slot>.jpg for every talent line.
// Slot icons left over from an earlier art.txt are removed.
void paintTree(const QString &treeSource, const QString &treeOutput, PaintTally &tally);

// Paints the whole world: every <source>/<Code>/<1..3>/ that has an art.txt, the 21 arrow
// bitmaps into <datas>/arrows/ and the program's icons into <artOutput>/runeplan-<size>.png.
// A world without class folders still gets the arrows and the icons.
PaintTally paintWorld(const QString &source, const QString &datas, const QString &artOutput);
