#include "talents/build_difference.h"

namespace {

std::optional<OrdersParting> partingOf(const PointOrder &a, const PointOrder &b)
{
    const qsizetype longer = std::max(a.size(), b.size());
    auto stepAt = [](const PointOrder &order, qsizetype n) -> std::optional<TreeSlot> {
        if (n >= order.size())
            return std::nullopt;
        return TreeSlot{order[n].y(), order[n].x()};
    };
    for (qsizetype n = 0; n < longer; ++n) {
        const std::optional<TreeSlot> stepA = stepAt(a, n);
        const std::optional<TreeSlot> stepB = stepAt(b, n);
        if (stepA != stepB)
            return OrdersParting{FirstLevel + 1 + static_cast<int>(n), stepA, stepB};
    }
    return std::nullopt;
}

} // namespace

BuildDifference buildDifference(const RankGrid &a, const RankGrid &b, const PointOrder *orderA,
                                const PointOrder *orderB)
{
    BuildDifference out;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        TreeSums &sums = out.trees[tree - 1];
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const int rankA = a[tree - 1][slot - 1];
            const int rankB = b[tree - 1][slot - 1];
            out.pointsA += rankA;
            out.pointsB += rankB;
            if (rankA == rankB)
                continue;
            out.ranks.append({{tree, slot}, rankA, rankB});
            (rankA > rankB ? sums.more : sums.fewer) += std::abs(rankA - rankB);
        }
    }
    if (orderA && orderB)
        out.ordersPart = partingOf(*orderA, *orderB);
    return out;
}
