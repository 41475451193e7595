#pragma once

#include "talents/build_code.h"
#include "talents/point_order.h"
#include "talents/rank_fit.h"

#include <optional>

// What a build code puts on a class's trees as they are now.
struct CodeOnTrees {
    RankGrid ranks{};
    std::optional<PointOrder> order; // the code's own order, when the trees are the ones it knew
    QVector<RankChange> changes;     // how the ranks were fitted to trees that changed since
};

// A code made on these very trees (same fingerprints) gives its ranks and order exactly, or it is
// damaged (Error "damaged build code: …"); a code made on other trees keeps its ranks by slot as
// far as they fit. `table` gives the trees; its ranks are ignored.
CodeOnTrees codeOnTrees(const BuildCode &code, const TalentTable &table);
