// The board's history: every change is a step that undo and redo walk; Reset and the reset of one
// tree are steps too.
#include "base/error.h"
#include "shell/main_window.h"
#include "talents/icon_tag.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"
#include "toolkit/message_line.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QUndoStack>

BoardState MainWindow::boardState() const
{
    return {boardClass_, ranksOf(table_), order_, orderDerived_};
}

void MainWindow::stepTo(const BoardState &target, std::optional<StagedClass> staged)
{
    if (boardClass_ < 0) {
        // Nothing was on the board to go back to: the class is shown and the history starts anew.
        order_ = target.order;
        orderDerived_ = target.derivedOrder;
        if (staged)
            showStaged(std::move(*staged));
        history_->clear();
        return;
    }
    const BoardState current = boardState();
    if (!staged && target == current)
        return;
    staged_ = std::move(staged);
    // The push shows the target through the step's redo.
    history_->push(new BoardStep(
        current, target, [this](const BoardState &s) { showState(s); }, false));
}

void MainWindow::showState(const BoardState &state)
{
    order_ = state.order;
    orderDerived_ = state.derivedOrder;
    if (staged_) {
        StagedClass staged = std::move(*staged_);
        staged_.reset();
        showStaged(std::move(staged));
        return;
    }
    showRanks(state.ranks);
}

void MainWindow::prepareToShow(const BoardState &state)
{
    staged_.reset();
    if (state.classIndex != boardClass_) {
        staged_ = stageClass(state.classIndex, state.ranks, languageCode_);
        return;
    }
    // The same class in the same language: only the ranks change. A step recorded before a
    // language change may not fit the trees of the language now shown.
    if (const auto misfit = ranksMisfit(table_, state.ranks))
        throw Error(QStringLiteral("This step does not fit the trees on the board: ") + *misfit);
}

void MainWindow::undoPressed()
{
    if (!history_->canUndo())
        return;
    BusyScope busy(busy_);
    const auto *step = static_cast<const BoardStep *>(history_->command(history_->index() - 1));
    prepareToShow(step->before());
    history_->undo();
}

void MainWindow::redoPressed()
{
    if (!history_->canRedo())
        return;
    BusyScope busy(busy_);
    const auto *step = static_cast<const BoardStep *>(history_->command(history_->index()));
    prepareToShow(step->after());
    history_->redo();
}

void MainWindow::resetPressed()
{
    BusyScope busy(busy_);
    if (boardClass_ < 0) {
        // No class could be shown yet: Reset tries the class box's class again.
        loadClass();
        return;
    }
    stepTo({boardClass_, RankGrid{}, {}, false}, std::nullopt);
}

void MainWindow::resetTree(int tree)
{
    if (boardClass_ < 0 || !TalentTable::validTree(tree))
        return;
    BoardState target = boardState();
    target.ranks[tree - 1].fill(0);
    target.order.removeIf([tree](const QPoint &step) { return step.y() == tree; });
    stepTo(target, std::nullopt);
}

void MainWindow::backgroundPressed(int tree, Qt::MouseButton button)
{
    messageLine_->showMessage({});
    if (button != Qt::RightButton)
        return;
    treeMenuTree_ = tree;
    treeMenu_->popup(QCursor::pos());
}

void MainWindow::resetTreeOfFocus()
{
    // The tree of the talent that has the keyboard focus; the first tree when none has it.
    int tree = 1;
    if (const auto *icon = qobject_cast<const ImageControl *>(QApplication::focusWidget())) {
        const TreeSlot at = decodeIconTag(icon->tag());
        if (TalentTable::validTree(at.tree))
            tree = at.tree;
    }
    resetTree(tree);
}
