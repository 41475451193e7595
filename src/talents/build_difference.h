#pragma once

#include "talents/point_order.h"
#include "talents/rank_grid.h"
#include "talents/tree_slot.h"

#include <QVector>
#include <array>
#include <optional>

// One talent whose rank differs between two builds of a class: A's rank, then B's.
struct RankDifference {
    TreeSlot at;
    int rankA = 0;
    int rankB = 0;
    bool operator==(const RankDifference &) const = default;
};

// The first level at which two orders of points take different talents: each side's talent at
// that level, or none where its order has already ended.
struct OrdersParting {
    int level = 0;
    std::optional<TreeSlot> stepA;
    std::optional<TreeSlot> stepB;
    bool operator==(const OrdersParting &) const = default;
};

// The points A holds above B in a tree's talents, summed, and those below.
struct TreeSums {
    int more = 0;
    int fewer = 0;
    bool operator==(const TreeSums &) const = default;
};

// How build A differs from build B of the same class.
struct BuildDifference {
    QVector<RankDifference> ranks; // tree by tree, slot by slot
    std::array<TreeSums, TreeCount> trees{};
    int pointsA = 0;
    int pointsB = 0;
    std::optional<OrdersParting> ordersPart;

    bool none() const { return ranks.isEmpty() && !ordersPart; }
};

// The difference of A and B. An order counts only where a player spent it: pass nullptr for a
// build whose order was derived from its ranks, and the orders never part.
BuildDifference buildDifference(const RankGrid &a, const RankGrid &b, const PointOrder *orderA,
                                const PointOrder *orderB);
