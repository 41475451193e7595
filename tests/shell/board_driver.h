#pragma once

#include "image_control.h"
#include "main_window.h"

#include <QTest>

// Presses on talent icons as the mouse makes them.
inline void pressTalent(TForm1 &window, int slot, int tree, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(window.cell(slot, tree).icon, button);
}

inline void pressTalentTimes(TForm1 &window, int slot, int tree, int times,
                             Qt::MouseButton button = Qt::LeftButton)
{
    for (int i = 0; i < times; ++i)
        pressTalent(window, slot, tree, button);
}
