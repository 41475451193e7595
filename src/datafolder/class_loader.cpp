#include "datafolder/class_loader.h"

#include "base/error.h"
#include "board/arrow_piece.h"
#include "board/arrow_rules.h"
#include "board/grey.h"
#include "datafolder/picture_file.h"
#include "talents/rules.h"
#include "talents/slot_cell.h"
#include "talents/tree_file.h"

#include <QDir>

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

void prepareTree(PreparedClass &prepared, int tree, const QString &folder,
                 const QString &languageCode)
{
    const QDir dir(folder);
    prepared.backgrounds[tree - 1] = loadPictureFile(dir.filePath(QStringLiteral("fon.jpg")));
    prepared.emblems[tree - 1] = loadPictureFile(dir.filePath(QStringLiteral("icv.jpg")));

    const QString treeFile = dir.filePath(QStringLiteral("tal.") + languageCode);
    const TreeFile parsed = readTreeFile(treeFile);
    TalentTable &table = prepared.table;
    table.treeName(tree) = parsed.name;

    for (const TalentBlock &block : parsed.blocks) {
        const int slot = block.header.slot;
        Talent &t = table.at(slot, tree);
        storeTalentBlock(t, block);
        // A talent without its picture file is left off the board. Whether the file is there is
        // learnt from opening it: no look at the folder beforehand.
        std::optional<QImage> icon =
            loadPictureFileIfPresent(dir.filePath(QString::number(slot) + QStringLiteral(".jpg")));
        if (!icon)
            continue;
        const SlotPosition pos = slotPosition(slot);
        t.slot = slot;
        t.row = pos.row;
        t.column = pos.column;
        t.present = true;
        t.available = false;
        prepared.greyIcons[tree - 1][slot - 1] = greyed(*icon);
        prepared.colourIcons[tree - 1][slot - 1] = std::move(*icon);
        if (t.prereq != 0)
            registerArrow(prepared, slot, tree, block.line, treeFile);
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
    for (int tree = 1; tree <= TreeCount; ++tree)
        prepareTree(prepared, tree, dataFolder + *code + u'/' + QString::number(tree),
                    languageCode);
    return prepared;
}
