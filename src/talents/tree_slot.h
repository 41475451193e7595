#pragma once

// A talent's place on the board: its tree (1 to 3) and its slot in the tree.
struct TreeSlot {
    int tree;
    int slot;
    bool operator==(const TreeSlot &) const = default;
};
