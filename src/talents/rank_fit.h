#pragma once

#include "talents/rank_grid.h"

#include <QVector>

// How ranks written for one version of a class's trees are fitted to the trees as they are now:
// by slot, as far as they fit.
struct RankChange {
    enum class Why {
        AboveMaximum, // the talent has fewer ranks now
        NoTalent,     // no talent is placed in the slot now
        RulesBroken,  // the talent's requirements are no longer met
    };
    int slot = 0;
    int tree = 0;
    int from = 0;
    int to = 0;
    Why why = Why::AboveMaximum;
    bool operator==(const RankChange &) const = default;
};

struct FittedRanks {
    RankGrid ranks{};
    QVector<RankChange> changes; // in the order they were made
};

// Lowers a rank above its talent's maximum to the maximum, drops a rank on a slot without a placed
// talent, and then, while a point breaks the rules, gives back every point of the lowest failing
// talent (highest row first, then highest slot). `table` gives the trees; its ranks are ignored.
FittedRanks fitRanks(const TalentTable &table, const RankGrid &ranks);
