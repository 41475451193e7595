#include "talents/board_navigation.h"

#include "talents/slot_cell.h"

#include <cstdlib>

namespace {

// How far a candidate is from where the focus is: the first figure counts before the second.
struct Distance {
    int major;
    int minor;
    bool operator<(const Distance &other) const
    {
        return major != other.major ? major < other.major : minor < other.minor;
    }
};

std::optional<Distance> distanceOf(BoardMove move, SlotPosition from, SlotPosition to)
{
    const int down = to.row - from.row;
    const int right = to.column - from.column;
    switch (move) {
    case BoardMove::Up:
        return down < 0 ? std::optional<Distance>({-down, std::abs(right)}) : std::nullopt;
    case BoardMove::Down:
        return down > 0 ? std::optional<Distance>({down, std::abs(right)}) : std::nullopt;
    case BoardMove::Left:
        return right < 0 ? std::optional<Distance>({std::abs(down), -right}) : std::nullopt;
    case BoardMove::Right:
        return right > 0 ? std::optional<Distance>({std::abs(down), right}) : std::nullopt;
    default:
        // Another tree: any talent of it, the one nearest the same row and then column.
        return Distance{std::abs(down), std::abs(right)};
    }
}

std::optional<int> edgeTalent(const TalentTable &table, int tree, bool first)
{
    for (int k = 1; k <= SlotsPerTree; ++k) {
        const int slot = first ? k : SlotsPerTree + 1 - k;
        if (table.at(slot, tree).present)
            return slot;
    }
    return std::nullopt;
}

} // namespace

TreeSlot focusMove(const TalentTable &table, TreeSlot from, BoardMove move)
{
    if (!TalentTable::validTree(from.tree) || !TalentTable::validSlot(from.slot))
        return from;
    if (move == BoardMove::First || move == BoardMove::Last) {
        const auto slot = edgeTalent(table, from.tree, move == BoardMove::First);
        return slot ? TreeSlot{from.tree, *slot} : from;
    }
    int tree = from.tree;
    if (move == BoardMove::PreviousTree || move == BoardMove::NextTree) {
        tree += move == BoardMove::NextTree ? 1 : -1;
        if (!TalentTable::validTree(tree))
            return from;
    }
    const SlotPosition here = slotPosition(from.slot);
    std::optional<Distance> best;
    TreeSlot target = from;
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        if (!table.at(slot, tree).present || (tree == from.tree && slot == from.slot))
            continue;
        const auto d = distanceOf(move, here, slotPosition(slot));
        if (d && (!best || *d < *best)) {
            best = d;
            target = {tree, slot};
        }
    }
    return target;
}

std::optional<TreeSlot> firstPlacedTalent(const TalentTable &table)
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        if (const auto slot = edgeTalent(table, tree, true))
            return TreeSlot{tree, *slot};
    }
    return std::nullopt;
}
