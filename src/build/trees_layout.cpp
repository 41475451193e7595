#include "build/trees_layout.h"

#include "board/cell_geometry.h"
#include "datafolder/class_loader.h"
#include "datafolder/ui_strings.h"

TreesLayout treesLayoutOf(const PreparedClass &prepared)
{
    const TalentTable &table = prepared.table;
    TreesLayout layout;
    const int treeWidth = prepared.backgrounds[0].width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        TreeLook &look = layout.trees[static_cast<size_t>(tree - 1)];
        look.background = {treeBackgroundPosition(tree), asShown(prepared.backgrounds[tree - 1])};
        look.emblem = {treeEmblemPosition(tree), asShown(prepared.emblems[tree - 1])};
        look.labelAt = treeLabelPosition(tree);
        look.label = counterCaption(table.treeName(tree), table.treePoints(tree));
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            if (!table.at(slot, tree).present)
                continue;
            TalentPlace &place = layout.talents[tree - 1][slot - 1];
            place.placed = true;
            place.colour = asShown(prepared.colourIcons[tree - 1][slot - 1]);
            place.grey = asShown(prepared.greyIcons[tree - 1][slot - 1]);
            place.icon = QRect(iconPosition(slot, tree, treeWidth), place.colour.size());
            place.rankAt = rankLabelPosition(place.icon.topLeft());
        }
    }
    for (const QPoint &at : prepared.arrowOrder) {
        const int slot = at.x();
        const int tree = at.y();
        ArrowPlace arrow{{tree, slot}, std::nullopt};
        // A later block of the same slot may have taken the prerequisite away: the arrow stays
        // registered but has nothing to point at.
        if (const int prereq = table.at(slot, tree).prereq; prereq != 0)
            arrow.piece = arrowPiece(slot, prereq, layout.talents[tree - 1][slot - 1].icon);
        layout.arrows.append(std::move(arrow));
    }
    return layout;
}
