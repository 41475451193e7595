// The board's history: every change is a step that undo and redo walk; Reset and the reset of one
// tree are steps too.
#include "base/error.h"
#include "board/icon_tag.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"
#include "toolkit/message_line.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QUndoStack>

void MainWindow::undoPressed()
{
    if (!build_->history().canUndo())
        return;
    BusyScope busy(busy_);
    build_->undo();
}

void MainWindow::redoPressed()
{
    if (!build_->history().canRedo())
        return;
    BusyScope busy(busy_);
    build_->redo();
}

void MainWindow::resetPressed()
{
    BusyScope busy(busy_);
    if (boardClass() < 0) {
        // No class could be shown yet: Reset tries the class box's class again.
        loadClass();
        return;
    }
    build_->reset();
}

void MainWindow::resetTree(int tree)
{
    build_->resetTree(tree);
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
