// Loading the selected class onto the board.
#include "base/error.h"
#include "board/cell_geometry.h"
#include "board/grey.h"
#include "shell/arrow_layer.h"
#include "shell/main_window.h"
#include "talents/icon_tag.h"
#include "talents/tree_file.h"
#include "toolkit/choice_box.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "toolkit/picture_file.h"

#include <QDir>

void MainWindow::loadClass()
{
    table_.totalPoints = 0;
    const QString caption = windowTitle();
    setWindowTitle(uiStrings_.at(Str::Loading));
    ScopeExit restoreCaption([this, caption] { setWindowTitle(caption); });
    BusyScope busy(busy_);

    // The cells go on showing the last class until the load is over.
    table_.reset();
    arrows_->startLoad();
    // However the load ends, the cells it left empty and the arrows it did not draw are cleared
    // at its end, not at its start: a cell or an arrow that is drawn again is never hidden and
    // shown in between.
    ScopeExit clearLeftovers([this] {
        hideEmptyCells();
        arrows_->finishLoad();
    });
    const int classIndex = classBox_->currentIndex();
    const auto code = classCode(classIndex);
    if (!code) {
        throw Error(QStringLiteral("The class box entry %1 names no class folder (there are %2)")
                        .arg(classIndex)
                        .arg(classCodes.size()));
    }
    for (int tree = 1; tree <= TreeCount; ++tree)
        loadTree(tree, dataPath(*code + u'/' + QString::number(tree)));
}

void MainWindow::hideEmptyCells()
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            if (table_.at(slot, tree).present)
                continue;
            const TalentCell &c = cell(slot, tree);
            c.icon->hide();
            c.iconSource->hide();
            c.icon->setEnabled(false);
            c.rankLabel->hide();
        }
    }
}

void MainWindow::loadTree(int tree, const QString &folder)
{
    const QDir dir(folder);
    treeBackgrounds_[tree - 1]->loadFile(dir.filePath(QStringLiteral("fon.jpg")));
    treeEmblems_[tree - 1]->loadFile(dir.filePath(QStringLiteral("icv.jpg")));

    const QString treeFile = dir.filePath(QStringLiteral("tal.") + languageCode_);
    const TreeFile parsed = readTreeFile(treeFile);
    table_.treeName(tree) = parsed.name;
    treeLabels_[tree - 1]->setCaption(parsed.name);

    for (const TalentBlock &block : parsed.blocks) {
        const int slot = block.header.slot;
        Talent &t = table_.at(slot, tree);
        t.maxRank = block.header.maxRank;
        t.prereq = block.header.prereq;
        t.name = block.name;
        for (int k = 1; k <= t.maxRank; ++k)
            t.rankText[static_cast<size_t>(k)] = block.rankText[static_cast<size_t>(k)];
        // A talent without its picture file is left off the board. Whether the file is there is
        // learnt from opening it: no look at the folder beforehand.
        const std::optional<QImage> icon =
            loadPictureFileIfPresent(dir.filePath(QString::number(slot) + QStringLiteral(".jpg")));
        if (icon)
            placeTalent(slot, tree, *icon, block.line, treeFile);
    }
    if (parsed.error)
        throw Error(*parsed.error);

    refreshTree(tree);
    arrows_->refresh(table_);
}

void MainWindow::placeTalent(int slot, int tree, const QImage &icon, int line,
                             const QString &treeFile)
{
    Talent &t = table_.at(slot, tree);
    TalentCell &c = cellAt(slot, tree);
    t.slot = slot;
    c.iconSource->setPicture(icon);
    t.present = true;

    c.icon->setPicture(greyed(c.iconSource->picture()));
    c.icon->show();

    const SlotPosition pos = slotPosition(slot);
    t.row = pos.row;
    t.column = pos.column;
    const QPoint at = iconPosition(slot, tree, treeBackgrounds_[0]->width());
    c.icon->move(at);
    c.icon->setEnabled(true);
    t.available = false;
    c.icon->setTag(encodeIconTag(tree, slot));

    c.rankLabel->show();
    c.rankLabel->setBold(true);
    c.rankLabel->move(rankLabelPosition(at));
    drawRank(slot, tree);

    if (t.prereq != 0)
        arrows_->add(table_, slot, tree, *c.icon, line, treeFile);
}
