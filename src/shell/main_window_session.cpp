// The last session: the board kept at close and shown again at the next start.
#include "base/error.h"
#include "build/kept_session.h"
#include "build/load_report.h"
#include "build/plan_file.h"
#include "shell/main_window.h"
#include "talents/build_code.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"

#include <QUndoStack>

bool MainWindow::restoreSession()
{
    const KeptSession session(dataFolder_);
    try {
        const std::optional<QByteArray> bytes = session.read();
        if (!bytes)
            return false;
        auto [state, staged, report] = stageSession(*bytes, session.path());
        // One class load; below it in the history, the empty board of a plain start, loaded only
        // if the step is undone.
        const BoardState plainStart{classBox_->currentIndex(), RankGrid{}, {}, false};
        order_ = state.order;
        orderDerived_ = state.derivedOrder;
        showStaged(std::move(staged));
        history_->clear();
        if (plainStart != state) {
            history_->push(new BoardStep(
                plainStart, state, [this](const BoardState &s) { showState(s); }, true));
        }
        if (!report.isEmpty())
            dialogs().message(this, QStringLiteral("Runeplan"), report);
        return true;
    } catch (const Error &e) {
        // Kept aside rather than lost: the board of this start will be kept in its place.
        QString line = QStringLiteral("the last session is not restored: ") + e.message();
        try {
            line += QStringLiteral("; it is kept as ") + session.setAside();
        } catch (const Error &aside) {
            line += QStringLiteral("; ") + aside.message();
        }
        reportSessionTrouble(line);
    }
    return false;
}

MainWindow::StagedSession MainWindow::stageSession(const QByteArray &bytes, const QString &path)
{
    const PlanText text = parsePlanText(bytes, path);
    checkPlanClass(text, classBox_->count(), path);
    // The order, and since then the whole board, rides along as a build code after the plan's
    // lines, which a plan reader ignores.
    const auto found = findBuildCode(QString::fromLatin1(bytes));
    const auto *code = std::get_if<BuildCode>(&found);
    if (code && code->classCode == classCode(text.classIndex)) {
        // Trees that changed since keep the ranks by slot, as a code of changed trees does.
        PreparedClass prepared = prepareClass(dataFolder_, text.classIndex, languageCode_);
        const CodeOnTrees loaded = codeOnTrees(*code, prepared.table);
        const QString report = loadReport(moreStrings_, prepared.table, *code, loaded);
        StagedClass staged = finishStaging(std::move(prepared), loaded.ranks);
        BoardState state{text.classIndex, loaded.ranks, {}, !loaded.order};
        state.order =
            loaded.order ? *loaded.order : derivedOrder(staged.prepared.table, loaded.ranks);
        return {std::move(state), std::move(staged), report};
    }
    // A session kept before the code rode along is checked as a plan file is.
    const PlanRanks plan = checkPlan(text, classLayoutForPlan(text.classIndex, path), path);
    StagedClass staged = stageClass(plan.classIndex, plan.ranks, languageCode_);
    BoardState state{plan.classIndex, plan.ranks, derivedOrder(staged.prepared.table, plan.ranks),
                     true};
    return {std::move(state), std::move(staged), {}};
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
