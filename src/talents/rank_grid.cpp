#include "talents/rank_grid.h"

#include "talents/rules.h"

RankGrid ranksOf(const TalentTable &table)
{
    RankGrid ranks{};
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &t = table.at(slot, tree);
            ranks[tree - 1][slot - 1] = t.present ? t.rank : 0;
        }
    }
    return ranks;
}

void setRanks(TalentTable &table, const RankGrid &ranks)
{
    table.totalPoints = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        int points = 0;
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            Talent &t = table.at(slot, tree);
            t.rank = t.present ? ranks[tree - 1][slot - 1] : 0;
            points += t.rank;
        }
        table.treePoints(tree) = points;
        table.totalPoints += points;
    }
    for (int tree = 1; tree <= TreeCount; ++tree)
        reevaluateTree(table, tree);
}

std::optional<QString> ranksMisfit(const TalentTable &table, const RankGrid &ranks)
{
    int total = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const int rank = ranks[tree - 1][slot - 1];
            if (rank == 0)
                continue;
            const Talent &t = table.at(slot, tree);
            if (!t.present) {
                return QStringLiteral("tree %1 has no talent in place %2, which holds %3 points")
                    .arg(tree)
                    .arg(slot)
                    .arg(rank);
            }
            if (rank < 0 || rank > t.maxRank) {
                return QStringLiteral("%1 (tree %2, place %3) has %4 ranks, not %5")
                    .arg(t.name)
                    .arg(tree)
                    .arg(slot)
                    .arg(t.maxRank)
                    .arg(rank);
            }
            total += rank;
        }
    }
    if (total > PointBudget)
        return QStringLiteral("%1 points are more than the %2 on offer")
            .arg(total)
            .arg(PointBudget);
    return std::nullopt;
}
