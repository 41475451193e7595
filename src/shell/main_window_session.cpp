// The last session: the board kept at close and shown again at the next start.
#include "base/error.h"
#include "shell/kept_session.h"
#include "shell/main_window.h"
#include "shell/plan_file.h"
#include "talents/build_code.h"
#include "toolkit/choice_box.h"

#include <QUndoStack>

std::optional<BoardState> MainWindow::keptSessionState() const
{
    const KeptSession session(dataFolder_);
    try {
        const std::optional<QByteArray> bytes = session.read();
        if (!bytes)
            return std::nullopt;
        // Checked as a plan file is: a session that no longer fits the data is left aside.
        const PlanText text = parsePlanText(*bytes, session.path());
        checkPlanClass(text, classBox_->count(), session.path());
        const PlanRanks plan =
            checkPlan(text, classLayoutForPlan(text.classIndex, session.path()), session.path());
        // The order rides along as a build code after the plan's lines, which a plan reader
        // ignores; without it (or when it disagrees with the ranks) the order is derived.
        BoardState state{plan.classIndex, plan.ranks, {}, true};
        const auto found = findBuildCode(QString::fromLatin1(*bytes));
        if (const auto *code = std::get_if<BuildCode>(&found);
            code && code->order && ranksOfOrder(*code->order) == plan.ranks) {
            state.order = *code->order;
            state.derivedOrder = false;
        }
        return state;
    } catch (const Error &e) {
        reportSessionTrouble(QStringLiteral("the last session is not restored: ") + e.message());
    }
    return std::nullopt;
}

void MainWindow::startWithSession(BoardState session)
{
    std::optional<StagedClass> staged;
    try {
        staged = stageClass(session.classIndex, session.ranks, languageCode_);
    } catch (const Error &e) {
        reportSessionTrouble(QStringLiteral("the last session is not restored: ") + e.message());
        loadClass();
        return;
    }
    // One class load; below it in the history, the empty board of a plain start, loaded only
    // if the step is undone.
    const BoardState plainStart{classBox_->currentIndex(), RankGrid{}, {}, false};
    if (session.derivedOrder)
        session.order = derivedOrder(staged->prepared.table, session.ranks);
    order_ = session.order;
    orderDerived_ = session.derivedOrder;
    showStaged(std::move(*staged));
    history_->clear();
    if (plainStart != session) {
        history_->push(new BoardStep(
            plainStart, session, [this](const BoardState &s) { showState(s); }, true));
    }
}

void MainWindow::keepSession() const
{
    if (boardClass_ < 0)
        return;
    const KeptSession session(dataFolder_);
    try {
        session.write(formatPlan(boardClass_, table_) + boardCode().toLatin1() + "\r\n");
    } catch (const std::exception &e) {
        reportSessionTrouble(QStringLiteral("the session is not kept: ") +
                             QString::fromUtf8(e.what()));
    }
}
