// Saving the plan on the board to a file and loading one back.
#include "base/error.h"
#include "build/plan_file.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "ui/main_window.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

void MainWindow::savePressed()
{
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    const QString path =
        dialogs().saveFileName(this, saveDialogSettings_.title, saveDialogSettings_.folder);
    if (path.isEmpty())
        return;
    rememberFolder(path);
    writePlanFile(
        path, formatPlan(boardClass() >= 0 ? boardClass() : classBox_->currentIndex(), table()));
}

void MainWindow::loadPressed()
{
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    const QString path =
        dialogs().openFileName(this, openDialogSettings_.title, openDialogSettings_.folder);
    if (!path.isEmpty()) {
        rememberFolder(path);
        loadPlanFile(path);
    }
}

namespace {

// Where the folder of the file dialogs is kept between sessions: the user's configuration folder.
QString foldersFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/folders.ini");
}

const QString FolderKey = QStringLiteral("dialogs/folder");

} // namespace

void MainWindow::rememberFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    openDialogSettings_.folder = folder;
    saveDialogSettings_.folder = folder;
    QSettings(foldersFile(), QSettings::IniFormat).setValue(FolderKey, folder);
}

void MainWindow::recallFolder()
{
    // The folder of the last session, unless it has gone since: then the dialogs start in ".".
    const QString folder =
        QSettings(foldersFile(), QSettings::IniFormat).value(FolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        openDialogSettings_.folder = folder;
        saveDialogSettings_.folder = folder;
    }
}

void MainWindow::loadPlanFile(const QString &path)
{
    BusyScope busy(busy_);
    // The whole plan is read and checked against the class it names before the board changes:
    // a file that fails leaves the plan on the board as it was.
    build_->loadPlanFile(path);
}
