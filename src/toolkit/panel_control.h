#pragma once

#include <QFrame>

// A panel with a raised one-pixel bevel. With auto-size on it takes the size that encloses its
// visible children.
class PanelControl final : public QFrame {
    Q_OBJECT
public:
    explicit PanelControl(QWidget *parent, const QString &name = {});

    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    void fitToChildren();

private:
    bool autoSize_ = false;
};
