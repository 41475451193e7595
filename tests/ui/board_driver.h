#pragma once

#include "ui/main_window.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QList>
#include <QMouseEvent>
#include <QPoint>
#include <QTest>
#include <initializer_list>
#include <tuple>

// The board of a window, to press on.
inline BoardView *boardOf(const MainWindow &window)
{
    return const_cast<BoardView *>(&window.board());
}

// Presses on talent icons as the mouse makes them.
inline void pressTalent(MainWindow &window, int slot, int tree,
                        Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(boardOf(window), button, {}, window.board().cell(slot, tree).icon.center());
}

// One pixel of a picture as a colour value 0x00BBGGRR, as the board's pictures are compared.
inline quint32 pixelOf(const QImage &picture, int x, int y)
{
    const QRgb p = picture.pixel(x, y);
    return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
}

// What a screen reader finds of the talent of (slot, tree) on the board.
inline QAccessibleInterface *talentInterface(const MainWindow &w, int slot, int tree)
{
    QAccessibleInterface *board = QAccessible::queryAccessibleInterface(boardOf(w));
    return board->child(static_cast<int>(w.board().placedTalents().indexOf(TreeSlot{tree, slot})));
}

// A tree's label, trees counted from 0 as in the window's own arrays.
inline QString treeLabel(const MainWindow &window, int index)
{
    return window.board().treeLabel(index + 1);
}

inline void pressTalentTimes(MainWindow &window, int slot, int tree, int times,
                             Qt::MouseButton button = Qt::LeftButton)
{
    for (int i = 0; i < times; ++i)
        pressTalent(window, slot, tree, button);
}

// A list of left presses as (slot, tree) points, in order.
using Presses = QList<QPoint>;

// Presses from (slot, tree, how many left presses) steps, in order.
inline Presses presses(std::initializer_list<std::tuple<int, int, int>> steps)
{
    Presses out;
    for (const auto &[slot, tree, times] : steps) {
        for (int i = 0; i < times; ++i)
            out.append({slot, tree});
    }
    return out;
}

inline void pressAll(MainWindow &window, const Presses &list)
{
    for (const QPoint &p : list)
        pressTalent(window, p.x(), p.y());
}

// QTest's mouse moves do not reliably reach a widget offscreen, so the pointer's moves are sent
// to the board as the window system would deliver them.
inline void pointAt(const MainWindow &w, QPoint at)
{
    BoardView *board = boardOf(w);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), board->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(board, &move);
}

inline void pointAtTalent(const MainWindow &w, int slot, int tree)
{
    pointAt(w, w.board().cell(slot, tree).icon.topLeft() + QPoint(5, 5));
}

// The pointer leaves the talent for an empty place of its tree.
inline void leaveTalent(const MainWindow &w, int slot, int tree)
{
    pointAt(w, w.board().cell(slot, tree).icon.topLeft() - QPoint(3, 1));
}
