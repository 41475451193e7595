// Saving the plan on the board to a file and loading one back.
#include "base/error.h"
#include "build/plan_file.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "ui/main_window.h"

void MainWindow::savePressed()
{
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    const QString path =
        dialogs().saveFileName(this, folders_.save().title, folders_.save().folder);
    if (path.isEmpty())
        return;
    folders_.remember(path);
    // Before any class is shown, the plan is the chosen class's, empty.
    writePlanFile(path, build_->planText(chosenClass_));
}

QString MainWindow::choosePlanFile()
{
    busy_.disableWhileDialogOpen();
    const QString path =
        dialogs().openFileName(this, folders_.open().title, folders_.open().folder);
    if (!path.isEmpty())
        folders_.remember(path);
    return path;
}

void MainWindow::loadPressed()
{
    BusyScope busy(busy_);
    if (const QString path = choosePlanFile(); !path.isEmpty())
        loadPlanFile(path);
}

void MainWindow::loadPlanFile(const QString &path)
{
    BusyScope busy(busy_);
    // The whole plan is read and checked against the class it names before the board changes:
    // a file that fails leaves the plan on the board as it was.
    build_->loadPlanFile(path);
}
