// Saving the plan on the board to a file and loading one back.
#include "base/error.h"
#include "board/grey.h"
#include "shell/arrow_layer.h"
#include "shell/main_window.h"
#include "shell/plan_file.h"
#include "talents/rules.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"

void MainWindow::savePressed()
{
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    const QString path =
        dialogs().saveFileName(this, saveDialogSettings_.title, saveDialogSettings_.folder);
    if (path.isEmpty())
        return;
    writePlanFile(path, formatPlan(classBox_->currentIndex(), table_));
}

void MainWindow::loadPressed()
{
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    const QString path =
        dialogs().openFileName(this, openDialogSettings_.title, openDialogSettings_.folder);
    if (path.isEmpty())
        return;

    // The whole plan is read and checked against the class it names before the board changes:
    // a file that fails leaves the plan on the board as it was.
    const PlanText text = parsePlanText(readPlanFile(path), path);
    checkPlanClass(text, classBox_->count(), path);
    const ClassLayout layout = classLayoutForPlan(text.classIndex, path);
    const PlanRanks plan = checkPlan(text, layout, path);

    classBox_->select(plan.classIndex);
    loadClass();
    applyPlan(plan);
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

void MainWindow::applyPlan(const PlanRanks &plan)
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            Talent &t = table_.at(slot, tree);
            if (!t.present)
                continue;
            t.rank = plan.rank(slot, tree);
            drawRank(slot, tree);
            if (t.rank > 0) {
                TalentCell &c = cellAt(slot, tree);
                c.icon->copyPictureFrom(*c.iconSource);
                table_.totalPoints += t.rank;
                table_.treePoints(tree) += t.rank;
            }
        }
        refreshTree(tree);
    }
    arrows_->refresh(table_);
    if (atBudgetEdge(table_.totalPoints))
        recolourForBudget();
}
