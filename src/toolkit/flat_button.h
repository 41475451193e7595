#pragma once

#include <QPushButton>

// A flat button: just its caption until the pointer is over it.
class FlatButton final : public QPushButton {
    Q_OBJECT
public:
    explicit FlatButton(QWidget *parent, const QString &name = {});
    void setCaption(const QString &caption) { setText(caption); }
};
