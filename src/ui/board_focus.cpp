#include "ui/board_focus.h"

#include "board/board_keys.h"
#include "talents/board_navigation.h"
#include "talents/talent_table.h"
#include "toolkit/image_control.h"

#include <QKeyEvent>

BoardFocus::BoardFocus(const TalentTable &table, std::function<ImageControl *(TreeSlot)> iconAt,
                       Handlers handlers, QObject *parent)
    : QObject(parent), table_(table), iconAt_(std::move(iconAt)), handlers_(std::move(handlers))
{
}

void BoardFocus::watch(ImageControl *icon, const QColor &mark)
{
    icon->setFocusPolicy(Qt::ClickFocus);
    icon->setFocusMark(mark);
    icon->installEventFilter(this);
}

bool BoardFocus::placed(TreeSlot at) const
{
    return TalentTable::validTree(at.tree) && TalentTable::validSlot(at.slot) &&
           table_.at(at.slot, at.tree).present;
}

ImageControl *BoardFocus::currentIcon() const
{
    return placed(current_) ? iconAt_(current_) : nullptr;
}

void BoardFocus::classShown()
{
    // The same place of another class keeps the focus; a place the class leaves empty does not.
    if (!placed(current_))
        current_ = firstPlacedTalent(table_).value_or(TreeSlot{0, 0});
    moveTo(current_, false);
}

void BoardFocus::moveTo(TreeSlot at, bool focus)
{
    current_ = at;
    ImageControl *now = currentIcon();
    if (tabStop_ && tabStop_ != now) {
        tabStop_->setFocusPolicy(Qt::ClickFocus);
        tabStop_->setMarked(false);
    }
    tabStop_ = now;
    if (!now)
        return;
    now->setFocusPolicy(Qt::StrongFocus);
    now->setMarked(marking_);
    if (focus)
        now->setFocus(Qt::OtherFocusReason);
}

void BoardFocus::setMarking(bool on)
{
    marking_ = on;
    if (tabStop_)
        tabStop_->setMarked(on);
}

bool BoardFocus::eventFilter(QObject *watched, QEvent *event)
{
    auto *icon = static_cast<ImageControl *>(watched);
    const TreeSlot at = decodeIconTag(icon->tag());
    switch (event->type()) {
    case QEvent::FocusIn:
        if (placed(at)) {
            moveTo(at, false);
            handlers_.entered(at);
        }
        return false;
    case QEvent::FocusOut:
        handlers_.left();
        return false;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const BoardKeyAction action = boardKeyAction(key->key(), key->modifiers());
        if (!placed(at))
            return false;
        switch (action.kind) {
        case BoardKeyAction::Kind::None:
            return false;
        case BoardKeyAction::Kind::Spend:
            handlers_.press(at, Qt::LeftButton);
            break;
        case BoardKeyAction::Kind::Refund:
            handlers_.press(at, Qt::RightButton);
            break;
        case BoardKeyAction::Kind::OpenMenu:
            handlers_.openMenu(at);
            break;
        case BoardKeyAction::Kind::Move:
            moveTo(focusMove(table_, at, action.move), true);
            break;
        }
        return true;
    }
    default:
        return false;
    }
}
