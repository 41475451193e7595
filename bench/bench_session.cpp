#include "bench_session.h"

#include "base/error.h"
#include "controls_by_name.h"
#include "toolkit/choice_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>

BenchSession::BenchSession(const QString &exeDir, const BenchClass &benchClass)
    : class_(benchClass), window_(std::make_unique<MainWindow>(exeDir))
{
    if (window_->endRequested())
        throw Error(QStringLiteral("The window did not open: ") + takeError());
    window_->show();

    loadEmptyBoard();
    spendAllPoints();
    planPath_ = QDir(scratch_.path()).filePath(QStringLiteral("plan.txt"));
    dialogs_.fileAnswers = {planPath_};
    saveButton(*window_)->click();
    loadEmptyBoard();
    if (const QString error = takeError(); !error.isEmpty())
        throw Error(error);
}

void BenchSession::loadEmptyBoard()
{
    ChoiceBox *classes = classBox(*window_);
    classes->select(class_.index);
    emit classes->chosen(class_.index);
    // Choosing the class on the board changes nothing: the Reset empties it.
    resetButton(*window_)->click();
}

void BenchSession::loadFullPlan()
{
    dialogs_.fileAnswers = {planPath_};
    loadButton(*window_)->click();
}

std::pair<int, int> BenchSession::openTalent() const
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= ColumnsPerRow; ++slot) {
            const Talent &t = window_->talents().at(slot, tree);
            if (t.present && t.maxRank > 1)
                return {tree, slot};
        }
    }
    throw Error(
        QStringLiteral("Class %1 has no first-row talent of several ranks").arg(class_.code));
}

QString BenchSession::takeError()
{
    const QString error = dialogs_.messages.isEmpty() ? QString() : dialogs_.messages.first().text;
    dialogs_.messages.clear();
    return error;
}

void pressOnBoard(const BoardView &board, TreeSlot at, Qt::MouseButton button)
{
    const QPointF point = board.cell(at.slot, at.tree).icon.center();
    QMouseEvent event(QEvent::MouseButtonPress, point, board.mapToGlobal(point), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(const_cast<BoardView *>(&board), &event);
}

void BenchSession::spendAllPoints()
{
    // Left presses over the whole board, pass after pass, until none spends a point: a plan as
    // full as the rules allow, in whatever shape the class's trees give it.
    for (bool spent = true; spent;) {
        spent = false;
        for (int tree = 1; tree <= TreeCount; ++tree) {
            for (int slot = 1; slot <= SlotsPerTree; ++slot) {
                const Talent &t = window_->talents().at(slot, tree);
                if (!t.present)
                    continue;
                const int before = window_->talents().totalPoints;
                pressOnBoard(window_->board(), {tree, slot}, Qt::LeftButton);
                spent = spent || window_->talents().totalPoints > before;
            }
        }
    }
}
