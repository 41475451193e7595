#include "toolkit/panel_control.h"

PanelControl::PanelControl(QWidget *parent, const QString &name) : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
}

void PanelControl::setAutoSize(bool on)
{
    autoSize_ = on;
    if (on)
        fitToChildren();
}

void PanelControl::fitToChildren()
{
    int right = 0;
    int bottom = 0;
    for (QObject *child : children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isHidden())
            continue;
        right = std::max(right, w->x() + w->width());
        bottom = std::max(bottom, w->y() + w->height());
    }
    // Leave room for the bevel on the far sides, as it is drawn inside the panel.
    resize(right + lineWidth(), bottom + lineWidth());
}
