// The builds a board is compared with, read for the class on the board without changing it.
#include "base/error.h"
#include "build/build.h"
#include "build/plan_file.h"
#include "talents/build_code.h"
#include "talents/code_on_trees.h"

namespace {

// Only a build of the class on the board is compared; `index` is the class of the other one.
void requireClassShown(int index, int shown, const UiStrings &strings, const MoreStrings &more)
{
    if (index == shown)
        return;
    const QString name = strings.classNames().value(index, classCode(index).value_or(QString()));
    throw Error(more.at(More::CompareOtherClass).arg(name));
}

} // namespace

BoardState Build::stateOfCode(const QString &text) const
{
    const auto found = findBuildCode(text);
    if (const auto *error = std::get_if<BuildCodeError>(&found))
        throw Error(buildCodeErrorText(*error));
    const BuildCode &code = std::get<BuildCode>(found);
    const std::optional<int> index = classIndexOf(code.classCode);
    if (!index)
        throw Error(QStringLiteral("class %1 is not in this data folder").arg(code.classCode));
    requireClassShown(*index, classIndex(), strings_, more_);
    // The trees are the board's own: a code made on other trees keeps its ranks by slot.
    const CodeOnTrees loaded = codeOnTrees(code, shown_.table);
    const bool derived = !loaded.order.has_value();
    return {*index, loaded.ranks,
            derived ? derivedOrder(shown_.table, loaded.ranks) : *loaded.order, derived};
}

BoardState Build::stateOfPlanFile(const QString &path) const
{
    const PlanText text = parsePlanText(readPlanFile(path), path);
    checkPlanClass(text, classCount(), path);
    requireClassShown(text.classIndex, classIndex(), strings_, more_);
    const PlanRanks plan = checkedPlan(text, path);
    return {plan.classIndex, plan.ranks, derivedOrder(shown_.table, plan.ranks), true};
}
