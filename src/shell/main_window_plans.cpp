// Saving the plan on the board to a file and loading one back.
#include "base/error.h"
#include "build/plan_file.h"
#include "shell/main_window.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"

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
    writePlanFile(path,
                  formatPlan(boardClass_ >= 0 ? boardClass_ : classBox_->currentIndex(), table_));
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
    const PlanText text = parsePlanText(readPlanFile(path), path);
    checkPlanClass(text, classBox_->count(), path);
    const ClassLayout layout = classLayoutForPlan(text.classIndex, path);
    const PlanRanks plan = checkPlan(text, layout, path);

    // The class is read afresh, as the plan was checked against the files as they are now. A plan
    // file keeps no order: the order its ranks imply stands in for it.
    StagedClass staged = stageClass(plan.classIndex, plan.ranks, languageCode_);
    PointOrder order = derivedOrder(staged.prepared.table, plan.ranks);
    stepTo({plan.classIndex, plan.ranks, std::move(order), true}, std::move(staged));
}

ClassLayout MainWindow::classLayoutForPlan(int classIndex, const QString &planPath) const
{
    try {
        return readClassLayout(dataPath(*classCode(classIndex)), languageCode_);
    } catch (const Error &e) {
        throw Error(QStringLiteral("Cannot check plan %1 against its class: %2")
                        .arg(planPath, e.message()));
    }
}
