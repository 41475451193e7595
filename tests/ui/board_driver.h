#pragma once

#include "ui/main_window.h"
#include "toolkit/image_control.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QList>
#include <QPoint>
#include <QTest>
#include <initializer_list>
#include <tuple>

// Presses on talent icons as the mouse makes them.
inline void pressTalent(MainWindow &window, int slot, int tree,
                        Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(window.board().cell(slot, tree).icon, button);
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

// QTest's mouse moves do not reliably reach a widget offscreen, so the pointer's arrival and
// departure are sent to the icon as the window system would deliver them.
inline void pointAtTalent(const MainWindow &w, int slot, int tree)
{
    ImageControl *icon = w.board().cell(slot, tree).icon;
    const QPointF inside(5, 5);
    QEnterEvent enter(inside, inside, icon->mapToGlobal(inside));
    QCoreApplication::sendEvent(icon, &enter);
}

inline void leaveTalent(const MainWindow &w, int slot, int tree)
{
    QEvent leaving(QEvent::Leave);
    QCoreApplication::sendEvent(w.board().cell(slot, tree).icon, &leaving);
}
