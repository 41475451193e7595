// Loading a class onto the board: read whole first, then shown, so that a load that fails leaves
// the board as it was.
#include "base/error.h"
#include "board/cell_geometry.h"
#include "board/icon_tag.h"
#include "talents/rules.h"
#include "toolkit/choice_box.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "ui/arrow_layer.h"
#include "ui/board_focus.h"
#include "ui/main_window.h"
#include "ui/talent_search.h"

void MainWindow::followBuild()
{
    build_->setClassCheck([this](const PreparedClass &prepared) { stageArrows(prepared); });
    connect(build_, &Build::classChanged, this, [this] { showClass(); });
    connect(build_, &Build::ranksChanged, this, [this](int tree) { showTreeRanks(tree); });
    connect(build_, &Build::reading, this, [this](bool on) {
        // "Loading" in the caption while a class is read from the data folder.
        if (on) {
            captionBeforeReading_ = windowTitle();
            setWindowTitle(uiStrings().at(Str::Loading));
        } else {
            setWindowTitle(captionBeforeReading_);
        }
    });
}

void MainWindow::loadClass()
{
    BusyScope busy(busy_);
    build_->changeClass(classBox_->currentIndex());
}

void MainWindow::stageArrows(const PreparedClass &prepared)
{
    // Where each icon will stand: the grid is laid out by the width of the first background.
    std::array<std::array<QRect, SlotsPerTree>, TreeCount> iconRects{};
    const int treeWidth = prepared.backgrounds[0].width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const QImage &icon = prepared.colourIcons[tree - 1][slot - 1];
            iconRects[tree - 1][slot - 1] = QRect(iconPosition(slot, tree, treeWidth), icon.size());
        }
    }
    stagedArrows_ = arrows_->stage(prepared.table, prepared.arrowOrder, iconRects);
}

void MainWindow::showClass()
{
    const PreparedClass &prepared = build_->shownClass();
    const TalentTable &shown = prepared.table;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        treeBackgrounds_[tree - 1]->setPicture(prepared.backgrounds[tree - 1]);
        treeEmblems_[tree - 1]->setPicture(prepared.emblems[tree - 1]);
    }
    const int treeWidth = treeBackgrounds_[0]->width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            TalentCell &c = cellAt(slot, tree);
            if (!shown.at(slot, tree).present) {
                c.icon->hide();
                c.iconSource->hide();
                c.icon->setEnabled(false);
                c.rankLabel->hide();
                c.grey = QImage();
                continue;
            }
            c.iconSource->setPicture(prepared.colourIcons[tree - 1][slot - 1]);
            c.grey = prepared.greyIcons[tree - 1][slot - 1];
            c.icon->setPicture(shown.at(slot, tree).rank > 0 ? c.iconSource->picture() : c.grey);
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
            counterCaption(shown.treeName(tree), shown.treePoints(tree)));
    }
    arrows_->show(stagedArrows_);
    stagedArrows_.clear();
    budgetLeftShown_ = shown.totalPoints < PointBudget;
    refreshCounterCaptions();
    classBox_->select(prepared.classIndex);
    boardFocus_->classShown();
    search_->boardChanged();
}

void MainWindow::showTreeRanks(int tree)
{
    const TalentTable &shown = table();
    // Every open talent's rank changes colour when the last point is spent or the first one
    // comes back.
    const bool budgetLeft = shown.totalPoints < PointBudget;
    const bool budgetChanged = budgetLeft != budgetLeftShown_;
    budgetLeftShown_ = budgetLeft;
    for (int t = 1; t <= TreeCount; ++t) {
        if (t != tree && !budgetChanged)
            continue;
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &now = shown.at(slot, t);
            if (!now.present)
                continue;
            TalentCell &c = cellAt(slot, t);
            if ((c.rank > 0) != (now.rank > 0))
                c.icon->setPicture(now.rank > 0 ? c.iconSource->picture() : c.grey);
            if (c.rank != now.rank || c.available != now.available || budgetChanged)
                drawRank(slot, t);
        }
        treeLabels_[t - 1]->setCaption(counterCaption(shown.treeName(t), shown.treePoints(t)));
    }
    arrows_->refresh(shown);
    refreshCounterCaptions();
}
