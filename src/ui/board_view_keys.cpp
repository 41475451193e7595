// The board by keyboard: one Tab stop whose current talent the arrow keys, Home and End move, and
// whose keys press a talent or open its tree's menu; the frame on the current talent; the search's
// dimming; and what a screen reader is told.
#include "board/board_keys.h"
#include "build/build.h"
#include "build/comparison.h"
#include "talents/board_navigation.h"
#include "talents/rules.h"
#include "toolkit/error_report.h"
#include "ui/board_accessible.h"
#include "ui/board_view.h"
#include "ui/tooltip_panel.h"

#include <QAccessible>
#include <QKeyEvent>

bool BoardView::framed() const
{
    return placed(current_) && (marking_ || hasFocus());
}

void BoardView::moveTo(TreeSlot at, bool focus)
{
    const TreeSlot before = current_;
    current_ = at;
    if (before != at && placed(before))
        update(cell(before.slot, before.tree).icon);
    if (!placed(at))
        return;
    update(cell(at.slot, at.tree).icon);
    if (focus && !hasFocus()) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    if (hasFocus() && before != at) {
        // The keyboard is on another talent: it is shown, as a talent that takes the focus is.
        showTooltip(at);
        tellReader(at, QAccessible::Focus);
    }
}

void BoardView::focusTalent(TreeSlot at)
{
    moveTo(at, true);
}

void BoardView::setMarking(bool on)
{
    marking_ = on;
    if (placed(current_))
        update(cell(current_.slot, current_.tree).icon);
}

void BoardView::setDimmed(TreeSlot at, bool dimmed)
{
    TalentCell &c = cellAt(at.slot, at.tree);
    if (c.dimmed == dimmed)
        return;
    c.dimmed = dimmed;
    update(c.icon);
}

void BoardView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (!placed(current_))
        return;
    update(cell(current_.slot, current_.tree).icon);
    guarded([this] { showTooltip(current_); });
    tellReader(current_, QAccessible::Focus);
}

void BoardView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (placed(current_))
        update(cell(current_.slot, current_.tree).icon);
    tooltip_->hide();
}

void BoardView::keyPressEvent(QKeyEvent *event)
{
    const BoardKeyAction action = boardKeyAction(event->key(), event->modifiers());
    if (!placed(current_) || action.kind == BoardKeyAction::Kind::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    const TreeSlot at = current_;
    guarded([&] {
        switch (action.kind) {
        case BoardKeyAction::Kind::None:
            break;
        case BoardKeyAction::Kind::Spend:
            press(at, Qt::LeftButton);
            break;
        case BoardKeyAction::Kind::Refund:
            press(at, Qt::RightButton);
            break;
        case BoardKeyAction::Kind::OpenMenu: {
            const QRect icon = cell(at.slot, at.tree).icon;
            emit treeMenuWanted(at.tree, mapToGlobal(QPoint(icon.right() + 1, icon.top())));
            break;
        }
        case BoardKeyAction::Kind::Move:
            moveTo(focusMove(shown(), at, action.move), true);
            break;
        }
    });
}

void BoardView::tellReader(TreeSlot at, int what) const
{
    if (!QAccessible::isActive())
        return;
    const int child = placed(at) ? static_cast<int>(placedTalents().indexOf(at)) : -1;
    tellBoardReader(const_cast<BoardView &>(*this), child, static_cast<QAccessible::Event>(what));
}

QString BoardView::talentDescription(TreeSlot at) const
{
    const TalentTable &table = shown();
    const MoreStrings &more = build_.moreStrings();
    if (!placed(at))
        return QStringLiteral(
            "A talent: a left press spends a point, a right press gives one back");
    const TalentAccess access = talentAccess(table, at.slot, at.tree);
    QString state;
    switch (access.kind) {
    case TalentAccess::Kind::Open:
        state = more.at(More::TalentOpen);
        break;
    case TalentAccess::Kind::Full:
        state = more.at(More::TalentFull);
        break;
    case TalentAccess::Kind::NeedsPoints:
        state = more.at(More::TalentNeedsPoints).arg(access.missingPoints);
        break;
    case TalentAccess::Kind::NeedsPrerequisite:
        state =
            more.at(More::TalentNeedsPrerequisite).arg(table.at(access.prerequisite, at.tree).name);
        break;
    case TalentAccess::Kind::NoPointsLeft:
        state = more.at(More::TalentNoPointsLeft);
        break;
    }
    const QString requirements = tooltipTexts(table, at.slot, at.tree, tooltipWords()).requirements;
    QStringList parts{state};
    // While compared, a reader hears the other build's rank as a sighted user reads the badge.
    if (comparison_ && comparison_->active())
        parts << more.at(More::ComparedRank)
                     .arg(QString::number(comparison_->rank(at.slot, at.tree)),
                          QString::number(table.at(at.slot, at.tree).maxRank));
    for (const QString &line : requirements.split(u'\r', Qt::SkipEmptyParts))
        parts << line.trimmed();
    return parts.join(QStringLiteral(". "));
}
