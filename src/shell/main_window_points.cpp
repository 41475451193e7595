// Spending and refunding points, and keeping the cells and counters in step.
#include "board/rank_look.h"
#include "board/refusal_text.h"
#include "shell/arrow_layer.h"
#include "shell/main_window.h"
#include "talents/icon_tag.h"
#include "talents/press.h"
#include "talents/rank_grid.h"
#include "talents/rules.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "toolkit/message_line.h"

#include <QAccessible>
#include <QUndoStack>

namespace {
PressButton pressButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PressButton::Left;
    case Qt::RightButton:
        return PressButton::Right;
    default:
        return PressButton::Middle;
    }
}

RefusalWords refusalWords(const MoreStrings &more)
{
    return {more.at(More::RefusedRow), more.at(More::RefusedPrerequisite),
            more.at(More::RefusedNoPoints), more.at(More::RefusedFull), more.at(More::RefusedHeld)};
}
} // namespace

void MainWindow::pressTalent(ImageControl *sender, Qt::MouseButton button)
{
    const TreeSlot at = decodeIconTag(sender->tag());
    if (!TalentTable::validTree(at.tree) || !TalentTable::validSlot(at.slot))
        return;
    const BoardState before = boardState();
    const PressOutcome outcome = applyPress(table_, at.slot, at.tree, pressButton(button));
    // A press that changed nothing says why; any other press clears what the last one said.
    messageLine_->showMessage(outcome.spent || outcome.refunded
                                  ? QString()
                                  : refusalText(table_, at.slot, at.tree, pressButton(button),
                                                refusalWords(moreStrings_)));
    TalentCell &c = cellAt(at.slot, at.tree);
    if (outcome.toColour)
        c.icon->copyPictureFrom(*c.iconSource);
    if (outcome.toGrey)
        c.icon->setPicture(c.grey);
    drawRank(at.slot, at.tree);

    refreshTree(at.tree);
    arrows_->refresh(table_);
    if (atBudgetEdge(table_.totalPoints))
        recolourForBudget();
    // A press that changed a rank is a step of the history, recorded as already shown.
    if (outcome.spent || outcome.refunded) {
        if (outcome.spent)
            order_.append(QPoint(at.slot, at.tree));
        else
            removeLatestStep(order_, at.slot, at.tree);
        BoardState after = before;
        after.ranks[at.tree - 1][at.slot - 1] = table_.at(at.slot, at.tree).rank;
        after.order = order_;
        history_->push(new BoardStep(
            before, after, [this](const BoardState &s) { showState(s); }, true));
    }
    showTooltip(at.slot, at.tree);
}

void MainWindow::refreshTree(int tree)
{
    for (int slot : reevaluateTree(table_, tree))
        drawRank(slot, tree);
    treeLabels_[tree - 1]->setCaption(
        counterCaption(table_.treeName(tree), table_.treePoints(tree)));
    refreshCounterCaptions();
}

void MainWindow::refreshCounterCaptions()
{
    spentLabel_->setCaption(counterCaption(uiStrings_.at(Str::Spent), table_.totalPoints));
    freeLabel_->setCaption(
        counterCaption(uiStrings_.at(Str::Free), freePoints(table_.totalPoints)));
    levelLabel_->setCaption(
        counterCaption(uiStrings_.at(Str::Level), characterLevel(table_.totalPoints)));
}

void MainWindow::recolourForBudget()
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            if (table_.at(slot, tree).available)
                drawRank(slot, tree);
        }
    }
}

void MainWindow::drawRank(int slot, int tree)
{
    const RankLook look = rankLook(table_.at(slot, tree), table_.totalPoints);
    const TalentCell &c = cellAt(slot, tree);
    c.rankLabel->setFontColour(look.colour);
    c.rankLabel->setCaption(look.text);
    // A screen reader names the icon as a sighted user reads it: the talent and its rank. A new
    // name is announced to it, so only a changed name is given.
    const QString accessibleName = table_.at(slot, tree).name + u' ' + look.text;
    if (c.icon->accessibleName() != accessibleName)
        c.icon->setAccessibleName(accessibleName);
    // The description (state and requirements) is worked out when asked; a reader that holds
    // it is told it may have changed.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(c.icon, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
