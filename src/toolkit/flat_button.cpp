#include "toolkit/flat_button.h"

FlatButton::FlatButton(QWidget *parent, const QString &name) : QPushButton(parent)
{
    setObjectName(name);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}
