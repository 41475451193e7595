#include "build/build_picture.h"

#include "board/cell_geometry.h"
#include "build/build.h"
#include "build/trees_layout.h"
#include "datafolder/picture_file.h"
#include "datafolder/ui_strings.h"

#include <QStringList>

namespace {

// The board's height, under the trees' labels.
constexpr int BoardHeight = 721;

} // namespace

TreesPicture treesPictureOf(const Build &build)
{
    const PreparedClass &shown = build.shownClass();
    const TalentTable &table = shown.table;
    const TreesLayout layout = treesLayoutOf(shown);
    TreesPicture picture;
    picture.size = QSize(treeBackgroundPosition(TreeCount).x() + shown.backgrounds.back().width(),
                         BoardHeight);
    picture.trees = layout.trees;
    for (const ArrowPlace &arrow : layout.arrows) {
        const ArrowLook look =
            arrowLook(table.at(arrow.dependant.slot, arrow.dependant.tree), arrow.piece);
        if (!look.bitmap.isEmpty())
            picture.arrows.append(
                {arrow.piece->topLeft, loadPictureFile(build.dataFolder() + look.bitmap)});
    }
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const TalentPlace &place = layout.talents[tree - 1][slot - 1];
            if (!place.placed)
                continue;
            const Talent &talent = table.at(slot, tree);
            picture.talents.append(
                {{place.icon.topLeft(), talent.rank > 0 ? place.colour : place.grey},
                 place.rankAt,
                 rankLook(talent, table.totalPoints)});
        }
    }
    return picture;
}

PictureBand pictureBandOf(const Build &build)
{
    const TalentTable &table = build.talents();
    QStringList trees;
    for (int tree = 1; tree <= TreeCount; ++tree)
        trees << table.treeName(tree) + u' ' + QString::number(table.treePoints(tree));
    const QString heading = build.moreStrings()
                                .at(More::PictureHeading)
                                .arg(build.strings().classNames().value(build.classIndex()),
                                     QString::number(characterLevel(table.totalPoints)),
                                     trees.join(QStringLiteral(" / ")));
    return {heading, build.code()};
}

QImage buildPicture(const Build &build, int scale, bool band)
{
    const QImage trees = paintTrees(treesPictureOf(build), scale);
    return band ? withBand(trees, pictureBandOf(build), scale) : trees;
}
