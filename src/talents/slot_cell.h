#pragma once

#include "talents/talent_table.h"

struct SlotPosition {
    int row;
    int column;
    bool operator==(const SlotPosition &) const = default;
};

// Row and column of a slot: slots are counted row by row from the top left, four to a row.
constexpr SlotPosition slotPosition(int slot)
{
    return {(slot - 1) / ColumnsPerRow + 1, (slot - 1) % ColumnsPerRow + 1};
}

constexpr int firstSlotOfRow(int row)
{
    return ColumnsPerRow * row - 3;
}
