// The board's history: every change is a step that undo and redo walk; Reset and the reset of one
// tree are steps too.
#include "build/level_view.h"
#include "ui/main_window.h"

#include <QUndoStack>

void MainWindow::walkHistory(bool back)
{
    if (back ? !build_->history().canUndo() : !build_->history().canRedo())
        return;
    BusyScope busy(busy_);
    // Undo and redo act on the whole build, which the board shows again first.
    levels_->toEnd();
    if (back)
        build_->undo();
    else
        build_->redo();
}

void MainWindow::resetPressed()
{
    BusyScope busy(busy_);
    if (build_->classIndex() < 0) {
        // No class could be shown yet: Reset tries the chosen class again.
        showChosenClass();
        return;
    }
    build_->reset();
}
