#pragma once

#include "board/arrow_piece.h"
#include "board/trees_picture.h"
#include "talents/tree_slot.h"

#include <QRect>
#include <QVector>
#include <array>
#include <optional>

struct PreparedClass;

// Where one talent of a class stands, with its pictures as the board shows them.
struct TalentPlace {
    bool placed = false; // the class has a talent with a picture here
    QRect icon;          // on the board
    QImage colour;       // the icon's pictures, 32-bit RGB
    QImage grey;
    QPoint rankAt; // the rank label's top left corner, under the icon's lower right corner
};

// A prerequisite arrow: its piece beside the dependant's icon, none when no piece draws the
// relation or a later block of the slot took the prerequisite away.
struct ArrowPlace {
    TreeSlot dependant;
    std::optional<ArrowPiece> piece;
};

// Where every part of a class stands on the board, worked out once for the window's board and for
// the picture of a build: each tree's background, emblem and label ("Name: points" for the ranks
// on the class's table), each talent's icon and rank label, and the arrows in the order the class
// gives them.
struct TreesLayout {
    std::array<TreeLook, TreeCount> trees;
    std::array<std::array<TalentPlace, SlotsPerTree>, TreeCount> talents; // [tree - 1][slot - 1]
    QVector<ArrowPlace> arrows;
};

// The talent grid is laid out by the width of the first tree's background.
TreesLayout treesLayoutOf(const PreparedClass &prepared);
