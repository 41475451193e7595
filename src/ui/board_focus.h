#pragma once

#include "board/icon_tag.h"

#include <QColor>
#include <QObject>
#include <functional>

class ImageControl;
class TalentTable;

// The board's keyboard focus. The board is one stop of the Tab chain: of the talent icons, only
// the board's current talent takes the focus from Tab, the others from a press only. On the
// focused talent the arrow keys, Home and End move the focus (see board/board_keys.h), and the
// keys that act as presses or open the tree's menu are handed to the window.
class BoardFocus final : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(TreeSlot, Qt::MouseButton)> press; // a key that acts as a press
        std::function<void(TreeSlot)> entered;                // a talent took the keyboard focus
        std::function<void()> left;                           // a talent lost it
        std::function<void(TreeSlot)> openMenu;
    };
    // `iconAt` gives the icon of a talent; `table` says which talents are placed.
    BoardFocus(const TalentTable &table, std::function<ImageControl *(TreeSlot)> iconAt,
               Handlers handlers, QObject *parent);

    // Makes `icon` one of the board's: it takes the focus from a press and shows the focus mark.
    void watch(ImageControl *icon, const QColor &mark);
    // After a class is shown: the talent focused last stays the board's when the class has it;
    // otherwise the first talent is.
    void classShown();
    const TreeSlot &current() const { return current_; }
    // Makes `at` the board's current talent, and gives it the keyboard focus when `focus` is set.
    void moveTo(TreeSlot at, bool focus);
    // Marks the current talent even while the board does not have the focus (during a search).
    void setMarking(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ImageControl *currentIcon() const;
    bool placed(TreeSlot at) const;

    const TalentTable &table_;
    std::function<ImageControl *(TreeSlot)> iconAt_;
    Handlers handlers_;
    TreeSlot current_{0, 0};
    ImageControl *tabStop_ = nullptr; // the one icon Tab stops at
    bool marking_ = false;
};
