#pragma once

#include "talents/slot_cell.h"

#include <QPoint>
#include <array>

// The talent grid of one tree: 45 x 43 icon boxes, 25 pixels between columns and 21 between
// rows, the first at (25, 2). Trees after the first are shifted by the first background's width.
inline constexpr int IconWidth = 45;
inline constexpr int IconHeight = 43;
inline constexpr int ColumnPitch = 70;
inline constexpr int RowPitch = 64;
inline constexpr int GridLeft = 25;
inline constexpr int GridTop = 2;

constexpr QPoint iconPosition(int slot, int tree, int treeWidth)
{
    const SlotPosition cell = slotPosition(slot);
    return {GridLeft + (cell.column - 1) * ColumnPitch + (tree - 1) * treeWidth,
            GridTop + (cell.row - 1) * RowPitch};
}

// The rank label sits under the icon's lower right corner.
constexpr QPoint rankLabelPosition(QPoint iconTopLeft)
{
    return {iconTopLeft.x() + 30, iconTopLeft.y() + 43};
}

// Each tree's background stands at the top, 5 pixels from the last one; its emblem in its lower
// left corner, its label ("Name: points") beside the emblem.
inline constexpr std::array<int, 3> TreeLeft = {0, 305, 610};
inline constexpr std::array<int, 3> TreeLabelLeft = {35, 340, 647};

constexpr QPoint treeBackgroundPosition(int tree)
{
    return {TreeLeft[static_cast<size_t>(tree - 1)], 0};
}

constexpr QPoint treeEmblemPosition(int tree)
{
    return {TreeLeft[static_cast<size_t>(tree - 1)], 690};
}

constexpr QPoint treeLabelPosition(int tree)
{
    return {TreeLabelLeft[static_cast<size_t>(tree - 1)], 697};
}
