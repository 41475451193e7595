#pragma once

#include "board/fonts.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class ChoiceBox;
class FlatButton;
class LabelControl;
class QMenu;
class QWidget;

// The makings of the window's controls in the window's look, shared by the window and its parts.

inline const QColor Magenta(255, 0, 255);
inline const QColor DimMagenta(110, 50, 110);
inline const QColor Red(255, 0, 0);
inline const QColor Lime(0, 255, 0);
inline const QColor White(255, 255, 255);
inline const QColor Gold(255, 216, 0);

// An auto-sized label in Tahoma of `pixelSize`, bold or not.
LabelControl *makeLabel(QWidget *parent, const QString &name, QPoint at, int pixelSize, bool bold,
                        const QColor &colour);
// A link-like button: magenta bold Tahoma 10 pt on black.
FlatButton *makeButton(QWidget *parent, const QString &name, const QRect &geometry, bool underline);
// A menu in the colours of the window's lists.
void styleMenu(QMenu &menu);
// A drop-down list in green on black.
ChoiceBox *makeChoiceBox(QWidget *parent, const QString &name, const QRect &geometry);

// What assistive technology says of a control. Labels and buttons are named by their captions, in
// the interface's language, so only their description is given; other controls get a name too.
void describe(QWidget *control, const QString &name, const QString &description);
