#include "datafolder/class_layout.h"

#include "base/error.h"
#include "talents/tree_file.h"

#include <QDir>
#include <QFileInfo>

TalentTable readClassTalents(const QString &classFolder, const QString &langCode)
{
    TalentTable table;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        const QDir dir(QDir(classFolder).filePath(QString::number(tree)));
        const TreeFile parsed = readTreeFile(dir.filePath(QStringLiteral("tal.") + langCode));
        if (parsed.error)
            throw Error(*parsed.error);
        table.treeName(tree) = parsed.name;
        for (const TalentBlock &block : parsed.blocks) {
            const int slot = block.header.slot;
            Talent &t = table.at(slot, tree);
            storeTalentBlock(t, block);
            t.slot = slot;
            // A slot named twice: the later block counts, as in the class load.
            t.present =
                t.present ||
                QFileInfo::exists(dir.filePath(QString::number(slot) + QStringLiteral(".jpg")));
        }
    }
    return table;
}

ClassLayout readClassLayout(const QString &classFolder, const QString &langCode)
{
    ClassLayout layout;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        const QDir dir(QDir(classFolder).filePath(QString::number(tree)));
        const QString treeFile = dir.filePath(QStringLiteral("tal.") + langCode);
        const TreeFile parsed = readTreeFile(treeFile);
        if (parsed.error)
            throw Error(*parsed.error);
        for (const TalentBlock &block : parsed.blocks) {
            const int slot = block.header.slot;
            const bool hasIcon =
                QFileInfo::exists(dir.filePath(QString::number(slot) + QStringLiteral(".jpg")));
            // A slot named twice: the later block counts, as in the class load.
            layout.set(slot, tree, hasIcon || layout.present(slot, tree), block.header.maxRank);
        }
    }
    return layout;
}
