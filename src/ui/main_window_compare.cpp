// The board compared with another build: the Compare link's menu, its keys and what each sets.
#include "build/comparison.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"
#include "toolkit/message_line.h"
#include "ui/main_window.h"
#include "ui/window_controls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

void MainWindow::buildCompareMenu()
{
    comparison_ = new Comparison(*build_, this);
    compareMenu_ = new QMenu(this);
    compareMenu_->setObjectName(QStringLiteral("compareMenu"));
    styleMenu(*compareMenu_);
    const auto action = [this](const char *name, More text, const QKeySequence &keys,
                               auto handler) {
        QAction *a = compareMenu_->addAction(MoreStrings::englishOf(text));
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        // The keys work through the window's own shortcuts; the menu only shows them.
        a->setShortcutContext(Qt::WidgetShortcut);
        connectGuarded(a, &QAction::triggered, this, handler);
        return a;
    };
    action("compareCodeAction", More::CompareCode, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
           [this] { compareWithCode(); });
    action("comparePlanAction", More::ComparePlan, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
           [this] { compareWithPlan(); });
    action("compareLibraryAction", More::CompareLibrary,
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), [this] { openLibrary(true); });
    action("compareBoardAction", More::CompareBoard, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
           [this] { compareWithBoard(); });
    QAction *stop = action("stopComparingAction", More::CompareStop, QKeySequence(Qt::Key_Escape),
                           [this] { comparison_->clear(); });
    stop->setEnabled(false);
    connect(comparison_, &Comparison::changed, this, [this, stop] {
        stop->setEnabled(comparison_->active());
        side_->messageLine->showMessage(
            comparison_->active() ? build_->moreStrings().at(More::Comparing) : QString());
    });
}

void MainWindow::showCompareTexts()
{
    const QList<QAction *> actions = compareMenu_->actions();
    const More texts[] = {More::CompareCode, More::ComparePlan, More::CompareLibrary,
                          More::CompareBoard, More::CompareStop};
    for (qsizetype k = 0; k < actions.size(); ++k)
        actions[k]->setText(build_->moreStrings().at(texts[k]));
}

void MainWindow::comparePressed()
{
    const FlatButton &link = *side_->compareButton;
    compareMenu_->popup(link.mapToGlobal(QPoint(0, link.height())));
}

void MainWindow::compareWithCode()
{
    comparison_->set(build_->stateOfCode(QGuiApplication::clipboard()->text()));
}

void MainWindow::compareWithPlan()
{
    BusyScope busy(busy_);
    if (const QString path = choosePlanFile(); !path.isEmpty())
        comparison_->set(build_->stateOfPlanFile(path));
}

void MainWindow::compareWithBoard()
{
    if (build_->classIndex() >= 0)
        comparison_->set(build_->state());
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape ends a comparison when nothing nearer took it: an open search closes first.
    if (event->key() == Qt::Key_Escape && comparison_->active() && !board_->searchOpen()) {
        comparison_->clear();
        return;
    }
    QWidget::keyPressEvent(event);
}
