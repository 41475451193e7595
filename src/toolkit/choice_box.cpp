#include "toolkit/choice_box.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QWheelEvent>

namespace {

// Draws the open list's entries as plain items, so that the list's style sheet highlights the
// entry under the pointer, and the box's current entry in bold.
class EntryDelegate final : public QStyledItemDelegate {
public:
    explicit EntryDelegate(QComboBox *box) : QStyledItemDelegate(box), box_(box) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() == box_->currentIndex())
            option->font.setBold(true);
    }

private:
    QComboBox *box_;
};

} // namespace

ChoiceBox::ChoiceBox(QWidget *parent, const QString &name) : QComboBox(parent)
{
    setObjectName(name);
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &ChoiceBox::chosen);
}

void ChoiceBox::select(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void ChoiceBox::showPopup()
{
    // Given to the list when it first opens: the list is made for the delegate, which costs a
    // start of the planner a good part of a millisecond for a list it may never open.
    if (!dynamic_cast<EntryDelegate *>(itemDelegate()))
        setItemDelegate(new EntryDelegate(this));
    QComboBox::showPopup();
}

void ChoiceBox::keyPressEvent(QKeyEvent *event)
{
    // Only Tab and the keys that open the list reach the box; the rest, which would step the
    // selection (and load a class at every step), go on to the window.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
    case Qt::Key_Space:
        showPopup();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QComboBox::keyPressEvent(event);
        return;
    default:
        event->ignore();
    }
}

void ChoiceBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
