#pragma once

#include <QPushButton>

// A flat button: just its caption until the pointer is over it. It is a stop of the Tab chain,
// framed in its text's colour while it has the keyboard focus; Enter or Space presses it. A press
// with the mouse leaves the keyboard focus where it was.
class FlatButton final : public QPushButton {
    Q_OBJECT
public:
    explicit FlatButton(QWidget *parent, const QString &name = {});
    void setCaption(const QString &caption) { setText(caption); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
