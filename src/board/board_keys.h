#pragma once

#include "talents/board_navigation.h"

#include <Qt>

// What a key does on the board's focused talent.
struct BoardKeyAction {
    enum class Kind {
        None,     // not the board's key: it goes on to the window
        Spend,    // as a left press: Enter, Space or +
        Refund,   // as a right press: Backspace, Delete or -
        Move,     // the focus moves (see `move`)
        OpenMenu, // the tree's menu: Shift+F10 or the menu key
    };
    Kind kind = Kind::None;
    BoardMove move = BoardMove::Left;
};

BoardKeyAction boardKeyAction(int key, Qt::KeyboardModifiers modifiers);
