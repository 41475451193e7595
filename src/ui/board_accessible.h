#pragma once

#include <QAccessible>

class BoardView;

// What assistive technology reads of the board: a pane named "Talent trees" with one child per
// placed talent, in the board's order: a button named by the talent and its rank (as a sighted
// user reads it), described by its state and requirement lines (worked out when asked), focused
// while the keyboard is on it.
// Makes `board` speak so; call once, before anything asks for its interface.
void speakForBoard(BoardView &board);
// Tells a listening reader that `event` happened to the talent of `child` (an index among the
// placed talents), or to the board itself when `child` is -1.
void tellBoardReader(BoardView &board, int child, QAccessible::Event event);
