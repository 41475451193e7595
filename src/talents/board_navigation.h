#pragma once

#include "talents/tree_slot.h"
#include "talents/talent_table.h"

#include <optional>

// Moves of the keyboard focus between the placed talents of the board.
enum class BoardMove {
    Left,
    Right,
    Up,
    Down,
    PreviousTree, // the talent of the tree on the left nearest the same row
    NextTree,     // the talent of the tree on the right nearest the same row
    First,        // the first talent of the tree
    Last,         // the last talent of the tree
};

// Where `move` takes the focus from the talent at `from`; `from` itself when no placed talent
// lies that way. Up and Down go to the nearest row that way holding a talent, then to the talent
// nearest the same column; Left and Right stay in the row when a talent lies that way in it, or
// else go to the nearest row holding one. A row is never skipped, so repeated moves reach every
// talent.
TreeSlot focusMove(const TalentTable &table, TreeSlot from, BoardMove move);

// The talent the board's focus starts on: the first of tree 1, or of the first tree with any.
std::optional<TreeSlot> firstPlacedTalent(const TalentTable &table);
