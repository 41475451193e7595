#include "datafolder/class_loader.h"

#include "base/error.h"
#include "board/arrow_piece.h"
#include "board/arrow_rules.h"
#include "datafolder/class_files.h"
#include "talents/rules.h"
#include "talents/slot_cell.h"
#include "talents/tree_file.h"

namespace {

void registerArrow(PreparedClass &prepared, int slot, int tree, int line, const QString &treeFile)
{
    // A slot named twice in a tree file keeps the one arrow it already has.
    if (prepared.arrowOrder.contains(QPoint(slot, tree)))
        return;
    if (prepared.arrowOrder.size() >= ArrowCapacity) {
        throw Error(
            QStringLiteral("%1, line %2: %3")
                .arg(treeFile, QString::number(line),
                     arrowLimitReason(slot, static_cast<int>(prepared.arrowOrder.size()) + 1)));
    }
    prepared.arrowOrder.append(QPoint(slot, tree));
}

// Puts a tree's files into the class in the order a reader of one file at a time meets them:
// background, emblem, tree file, each talent's picture and arrow in the tree file's order, then
// the tree file's own error. The first error met is the one thrown, whichever file a thread
// happened to finish first.
void placeTree(PreparedClass &prepared, int tree, const TreeFolderFiles &files)
{
    prepared.backgrounds[tree - 1] = files.background.get();
    prepared.emblems[tree - 1] = files.emblem.get();

    const TreeFile &parsed = files.treeFile.get();
    TalentTable &table = prepared.table;
    table.treeName(tree) = parsed.name;

    for (const TalentBlock &block : parsed.blocks) {
        const int slot = block.header.slot;
        Talent &t = table.at(slot, tree);
        storeTalentBlock(t, block);
        // A talent without its picture file is left off the board. Whether the file is there is
        // learnt from opening it: no look at the folder beforehand.
        const std::optional<TalentPicture> &picture = files.talentPictures.at(slot - 1).get();
        if (!picture)
            continue;
        const SlotPosition pos = slotPosition(slot);
        t.slot = slot;
        t.row = pos.row;
        t.column = pos.column;
        t.present = true;
        t.available = false;
        prepared.colourIcons[tree - 1][slot - 1] = picture->colour;
        prepared.greyIcons[tree - 1][slot - 1] = picture->grey;
        if (t.prereq != 0)
            registerArrow(prepared, slot, tree, block.line, files.treeFilePath);
    }
    if (parsed.error)
        throw Error(*parsed.error);
    reevaluateTree(table, tree);
}

} // namespace

PreparedClass prepareClass(const QString &dataFolder, int classIndex, const QString &languageCode)
{
    const auto code = classCode(classIndex);
    if (!code) {
        throw Error(QStringLiteral("The class box entry %1 names no class folder (there are %2)")
                        .arg(classIndex)
                        .arg(classCodes.size()));
    }
    PreparedClass prepared;
    prepared.classIndex = classIndex;
    const std::array<TreeFolderFiles, TreeCount> trees =
        readClassFiles(dataFolder + *code, languageCode);
    for (int tree = 1; tree <= TreeCount; ++tree)
        placeTree(prepared, tree, trees[tree - 1]);
    return prepared;
}
