#include "toolkit/flat_button.h"

#include <QKeyEvent>
#include <QPainter>

FlatButton::FlatButton(QWidget *parent, const QString &name) : QPushButton(parent)
{
    setObjectName(name);
    setFlat(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void FlatButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FlatButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}
