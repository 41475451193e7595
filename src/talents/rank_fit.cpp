#include "talents/rank_fit.h"

#include "talents/rules.h"
#include "talents/slot_cell.h"

namespace {

void record(FittedRanks &fitted, int slot, int tree, int to, RankChange::Why why)
{
    int &rank = fitted.ranks[tree - 1][slot - 1];
    // A talent lowered first and then given back whole is one change, from its first rank.
    for (RankChange &change : fitted.changes) {
        if (change.slot == slot && change.tree == tree) {
            change.to = to;
            change.why = why;
            rank = to;
            return;
        }
    }
    fitted.changes.append({slot, tree, rank, to, why});
    rank = to;
}

// The talent to give back next: of those holding points whose requirements are not met, the one
// lowest in its tree. Trees do not depend on each other, so any tree's may go first.
std::optional<std::pair<int, int>> lowestFailing(const TalentTable &table)
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = SlotsPerTree; slot >= 1; --slot) {
            const Talent &t = table.at(slot, tree);
            if (t.present && t.rank > 0 && !requirementsMet(table, slot, tree))
                return std::pair{slot, tree};
        }
    }
    return std::nullopt;
}

} // namespace

FittedRanks fitRanks(const TalentTable &table, const RankGrid &ranks)
{
    FittedRanks fitted{ranks, {}};
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const int rank = ranks[tree - 1][slot - 1];
            const Talent &t = table.at(slot, tree);
            if (rank > 0 && !t.present)
                record(fitted, slot, tree, 0, RankChange::Why::NoTalent);
            else if (rank > t.maxRank)
                record(fitted, slot, tree, t.maxRank, RankChange::Why::AboveMaximum);
        }
    }
    TalentTable trial = table;
    setRanks(trial, fitted.ranks);
    while (const auto failing = lowestFailing(trial)) {
        const auto [slot, tree] = *failing;
        record(fitted, slot, tree, 0, RankChange::Why::RulesBroken);
        setRanks(trial, fitted.ranks);
    }
    return fitted;
}
