#pragma once

#include <QComboBox>

// A drop-down list the user can only choose from. `chosen` fires for the user's choices only,
// never when the program sets the selection. A choice is made in the open list, by the mouse or
// by Enter: on the closed box the arrow keys open the list, and neither keys nor the mouse wheel
// change the selection in passing. The open list highlights the entry under the pointer and
// marks the current one.
class ChoiceBox final : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget *parent, const QString &name = {});

    // An index that names no entry leaves the box without a selection.
    void select(int index);
    // The selected entry's text, empty when nothing is selected.
    QString selectedText() const { return currentIndex() < 0 ? QString() : currentText(); }

    // Opens the list, the current entry in bold.
    void showPopup() override;

signals:
    void chosen(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
