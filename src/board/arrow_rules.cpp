#include "board/arrow_rules.h"

#include "board/arrow_piece.h"
#include "board/cell_geometry.h"

#include <QRect>

QString arrowLimitReason(int slot, int arrowNumber)
{
    return QStringLiteral("talent %1 would be talent %2 with a prerequisite in this class; a "
                          "class may have at most %3")
        .arg(slot)
        .arg(arrowNumber)
        .arg(ArrowCapacity);
}

std::optional<Finding> arrowLimitExceeded(const ClassTrees &trees)
{
    std::array<PlacedSlots, TreeCount> hasArrow{};
    int arrows = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        const TreeFile *file = trees.files[static_cast<size_t>(tree - 1)];
        if (!file)
            continue;
        const PlacedSlots &placed = trees.placed[static_cast<size_t>(tree - 1)];
        for (const TalentBlock &block : file->blocks) {
            const int slot = block.header.slot;
            bool &registered =
                hasArrow[static_cast<size_t>(tree - 1)][static_cast<size_t>(slot - 1)];
            // A slot named twice keeps the one arrow it already has.
            if (block.header.prereq == 0 || !placed[static_cast<size_t>(slot - 1)] || registered)
                continue;
            if (arrows >= ArrowCapacity)
                return Finding{trees.names[static_cast<size_t>(tree - 1)], block.line,
                               arrowLimitReason(slot, arrows + 1)};
            registered = true;
            ++arrows;
        }
    }
    return std::nullopt;
}

QVector<Finding> relationsWithoutArrow(const TreeFile &file, const PlacedSlots &placed,
                                       const QString &fileName)
{
    QVector<Finding> findings;
    // Only whether a piece exists matters here, not where it goes.
    const QRect icon(0, 0, IconWidth, IconHeight);
    for (const TalentBlock *block : blocksBySlot(file)) {
        if (!block || block->header.prereq == 0 ||
            !placed[static_cast<size_t>(block->header.slot - 1)] ||
            block->header.prereq == block->header.slot)
            continue;
        if (!arrowPiece(block->header.slot, block->header.prereq, icon))
            findings.append(warningAt(fileName, block->line,
                                      QStringLiteral("no arrow piece joins talent %1 to its "
                                                     "prerequisite in slot %2, so the board draws "
                                                     "no arrow between them")
                                          .arg(block->header.slot)
                                          .arg(block->header.prereq)));
    }
    return findings;
}

QStringList arrowBitmapNames()
{
    QStringList names;
    for (const char *code : {"d1", "d2", "d3", "r1", "l1", "b1", "a1"})
        for (char variant : {'w', 'g', 'y'})
            names.append(arrowBitmapName(QString::fromLatin1(code), variant));
    return names;
}
