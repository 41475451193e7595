// Loading a class onto the board: read whole first, then shown, so that a load that fails leaves
// the board as it was.
#include "base/error.h"
#include "board/cell_geometry.h"
#include "shell/arrow_layer.h"
#include "shell/board_focus.h"
#include "shell/main_window.h"
#include "shell/talent_search.h"
#include "talents/icon_tag.h"
#include "talents/rank_grid.h"
#include "talents/rules.h"
#include "toolkit/choice_box.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"

void MainWindow::loadClass()
{
    BusyScope busy(busy_);
    const int classIndex = classBox_->currentIndex();
    showStaged(stageClass(classIndex, RankGrid{}, languageCode_));
}

MainWindow::StagedClass MainWindow::stageClass(int classIndex, const RankGrid &ranks,
                                               const QString &languageCode)
{
    const QString caption = windowTitle();
    setWindowTitle(uiStrings_.at(Str::Loading));
    ScopeExit restoreCaption([this, caption] { setWindowTitle(caption); });

    PreparedClass prepared = prepareClass(dataFolder_, classIndex, languageCode);
    if (const auto misfit = ranksMisfit(prepared.table, ranks)) {
        const auto code = classCode(classIndex);
        throw Error(QStringLiteral("The plan does not fit class %1 in language '%2': %3")
                        .arg(code.value_or(QString::number(classIndex)), languageCode, *misfit));
    }
    return finishStaging(std::move(prepared), ranks);
}

MainWindow::StagedClass MainWindow::finishStaging(PreparedClass &&prepared, const RankGrid &ranks)
{
    StagedClass staged{std::move(prepared), {}};
    TalentTable &table = staged.prepared.table;
    setRanks(table, ranks);

    // Where each icon will stand: the grid is laid out by the width of the first background.
    std::array<std::array<QRect, SlotsPerTree>, TreeCount> iconRects{};
    const int treeWidth = staged.prepared.backgrounds[0].width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const QImage &icon = staged.prepared.colourIcons[tree - 1][slot - 1];
            iconRects[tree - 1][slot - 1] = QRect(iconPosition(slot, tree, treeWidth), icon.size());
        }
    }
    staged.arrows = arrows_->stage(table, staged.prepared.arrowOrder, iconRects);
    return staged;
}

void MainWindow::showStaged(StagedClass &&staged)
{
    PreparedClass &prepared = staged.prepared;
    table_ = std::move(prepared.table);
    for (int tree = 1; tree <= TreeCount; ++tree) {
        treeBackgrounds_[tree - 1]->setPicture(prepared.backgrounds[tree - 1]);
        treeEmblems_[tree - 1]->setPicture(prepared.emblems[tree - 1]);
    }
    const int treeWidth = treeBackgrounds_[0]->width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            TalentCell &c = cellAt(slot, tree);
            if (!table_.at(slot, tree).present) {
                c.icon->hide();
                c.iconSource->hide();
                c.icon->setEnabled(false);
                c.rankLabel->hide();
                c.grey = QImage();
                continue;
            }
            c.iconSource->setPicture(prepared.colourIcons[tree - 1][slot - 1]);
            c.grey = prepared.greyIcons[tree - 1][slot - 1];
            c.icon->setPicture(table_.at(slot, tree).rank > 0 ? c.iconSource->picture() : c.grey);
            const QPoint at = iconPosition(slot, tree, treeWidth);
            c.icon->move(at);
            c.icon->show();
            c.icon->setEnabled(true);
            c.icon->setTag(encodeIconTag(tree, slot));
            c.rankLabel->setBold(true);
            c.rankLabel->move(rankLabelPosition(at));
            c.rankLabel->show();
            drawRank(slot, tree);
        }
        treeLabels_[tree - 1]->setCaption(
            counterCaption(table_.treeName(tree), table_.treePoints(tree)));
    }
    arrows_->show(staged.arrows);
    refreshCounterCaptions();
    boardClass_ = prepared.classIndex;
    classBox_->select(boardClass_);
    boardFocus_->classShown();
    search_->boardChanged();
}

void MainWindow::showRanks(const RankGrid &ranks)
{
    const TalentTable before = table_;
    setRanks(table_, ranks);
    const bool budgetLeftChanged =
        (before.totalPoints < PointBudget) != (table_.totalPoints < PointBudget);
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &was = before.at(slot, tree);
            const Talent &now = table_.at(slot, tree);
            if (!now.present)
                continue;
            if ((was.rank > 0) != (now.rank > 0)) {
                TalentCell &c = cellAt(slot, tree);
                c.icon->setPicture(now.rank > 0 ? c.iconSource->picture() : c.grey);
            }
            if (was.rank != now.rank || was.available != now.available || budgetLeftChanged)
                drawRank(slot, tree);
        }
        treeLabels_[tree - 1]->setCaption(
            counterCaption(table_.treeName(tree), table_.treePoints(tree)));
    }
    arrows_->refresh(table_);
    refreshCounterCaptions();
}
