// A build as its files hold it: a plan file, and the kept session of the last close.
#include "base/error.h"
#include "build/build.h"
#include "build/load_report.h"
#include "build/plan_file.h"
#include "talents/build_code.h"
#include "talents/code_on_trees.h"
#include "talents/rank_grid.h"

QString Build::restoreSession(const QByteArray &bytes, const QString &path, int plainClass)
{
    const PlanText text = parsePlanText(bytes, path);
    checkPlanClass(text, classCount(), path);
    // The order, and since then the whole board, rides along as a build code after the plan's
    // lines, which a plan reader ignores.
    const auto found = findBuildCode(QString::fromLatin1(bytes));
    const auto *code = std::get_if<BuildCode>(&found);
    if (code && code->classCode == classCode(text.classIndex)) {
        // Trees that changed since keep the ranks by slot, as a code of changed trees does.
        PreparedClass prepared = read(text.classIndex, languageCode_);
        const CodeOnTrees loaded = codeOnTrees(*code, prepared.table);
        const QString report = loadReport(more_, prepared.table, *code, loaded);
        setRanks(prepared.table, loaded.ranks);
        checkStaged(prepared);
        BoardState state{text.classIndex, loaded.ranks, {}, !loaded.order};
        state.order = loaded.order ? *loaded.order : derivedOrder(prepared.table, loaded.ranks);
        startWith(state, std::move(prepared), plainClass);
        return report;
    }
    // A session kept before the code rode along is checked as a plan file is.
    auto [state, staged] = stagePlan(text, path);
    startWith(state, std::move(staged), plainClass);
    return {};
}

QByteArray Build::planText(int plainClass) const
{
    return formatPlan(classIndex() >= 0 ? classIndex() : plainClass, shown_.table);
}

QByteArray Build::sessionText() const
{
    if (classIndex() < 0)
        return {};
    return planText(classIndex()) + code().toLatin1() + "\r\n";
}
