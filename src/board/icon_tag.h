#pragma once

#include "talents/tree_slot.h"

// An icon's tag is the tree's digits followed by the slot's: tree 2 slot 12 is 212, tree 1 slot 5
// is 15. Slots 1 to 9 give two-digit tags and 10 to 44 three-digit ones, so decoding is exact.
constexpr int encodeIconTag(int tree, int slot)
{
    return slot >= 10 ? tree * 100 + slot : tree * 10 + slot;
}

constexpr TreeSlot decodeIconTag(int tag)
{
    if (tag >= 100)
        return {tag / 100, tag % 100};
    return {tag / 10, tag % 10};
}
