#include "talents/code_on_trees.h"

#include "base/error.h"

CodeOnTrees codeOnTrees(const BuildCode &code, const TalentTable &table)
{
    if (code.fingerprints == treeFingerprints(table)) {
        if (ranksMisfit(table, code.ranks))
            throw Error(buildCodeErrorText(BuildCodeError::Damaged));
        return {code.ranks, code.order, {}};
    }
    FittedRanks fitted = fitRanks(table, code.ranks);
    return {fitted.ranks, std::nullopt, std::move(fitted.changes)};
}
