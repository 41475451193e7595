#include "build/build_picture.h"

#include "board/arrow_piece.h"
#include "board/cell_geometry.h"
#include "build/build.h"
#include "datafolder/picture_file.h"

namespace {

// The board's height, under the trees' labels.
constexpr int BoardHeight = 721;

QVector<PlacedPicture> arrowsOf(const PreparedClass &shown, const QString &dataFolder)
{
    const TalentTable &table = shown.table;
    const int treeWidth = shown.backgrounds[0].width();
    QVector<PlacedPicture> arrows;
    // The board has room for so many arrows; the checker names a class that asks for more.
    const qsizetype count = std::min<qsizetype>(shown.arrowOrder.size(), ArrowCapacity);
    for (qsizetype k = 0; k < count; ++k) {
        const int slot = shown.arrowOrder[k].x();
        const int tree = shown.arrowOrder[k].y();
        const Talent &dependant = table.at(slot, tree);
        if (dependant.prereq == 0)
            continue;
        const QImage &icon = shown.colourIcons[tree - 1][slot - 1];
        const QRect iconRect(iconPosition(slot, tree, treeWidth), icon.size());
        const auto piece = arrowPiece(slot, dependant.prereq, iconRect);
        if (!piece)
            continue;
        arrows.append(
            {piece->topLeft,
             loadPictureFile(dataFolder + arrowBitmapName(piece->code, arrowVariant(dependant)))});
    }
    return arrows;
}

} // namespace

TreesPicture treesPictureOf(const Build &build)
{
    const PreparedClass &shown = build.shownClass();
    const TalentTable &table = shown.table;
    TreesPicture picture;
    picture.size = QSize(treeBackgroundPosition(TreeCount).x() + shown.backgrounds.back().width(),
                         BoardHeight);
    for (int tree = 1; tree <= TreeCount; ++tree) {
        TreeLook &look = picture.trees[static_cast<size_t>(tree - 1)];
        look.background = {treeBackgroundPosition(tree), shown.backgrounds[tree - 1]};
        look.emblem = {treeEmblemPosition(tree), shown.emblems[tree - 1]};
        look.labelAt = treeLabelPosition(tree);
        look.label = counterCaption(table.treeName(tree), table.treePoints(tree));
    }
    picture.arrows = arrowsOf(shown, build.dataFolder());
    const int treeWidth = shown.backgrounds[0].width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &talent = table.at(slot, tree);
            if (!talent.present)
                continue;
            const QPoint at = iconPosition(slot, tree, treeWidth);
            const auto &icons = talent.rank > 0 ? shown.colourIcons : shown.greyIcons;
            picture.talents.append({{at, icons[tree - 1][slot - 1]},
                                    rankLabelPosition(at),
                                    rankLook(talent, table.totalPoints)});
        }
    }
    return picture;
}
