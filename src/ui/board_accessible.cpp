#include "ui/board_accessible.h"

#include "ui/board_view.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

class TalentInterface final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TalentInterface(BoardView *board, TreeSlot at) : board_(board), at_(at) {}

    bool isValid() const override { return board_ && board_->placedTalents().contains(at_); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return board_->cell(at_.slot, at_.tree).accessibleName;
        case QAccessible::Description:
            return board_->talentDescription(at_);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect icon = board_->cell(at_.slot, at_.tree).icon;
        return QRect(board_->mapToGlobal(icon.topLeft()), icon.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = isValid() && board_->hasFocus() && board_->current() == at_;
        s.invisible = !board_ || !board_->isVisible();
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override { return {setFocusAction()}; }
    void doAction(const QString &name) override
    {
        if (name == setFocusAction() && isValid())
            board_->focusTalent(at_);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<BoardView> board_;
    TreeSlot at_;
};

class BoardInterface final : public QAccessibleWidget {
public:
    explicit BoardInterface(BoardView *board) : QAccessibleWidget(board, QAccessible::Pane) {}
    ~BoardInterface() override
    {
        for (QAccessible::Id id : std::as_const(children_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(board()->placedTalents().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<TreeSlot> talents = board()->placedTalents();
        if (index < 0 || index >= talents.size())
            return nullptr;
        const TreeSlot at = talents.at(index);
        const int key = at.tree * 100 + at.slot;
        auto id = children_.constFind(key);
        if (id == children_.constEnd()) {
            id = children_.insert(
                key, QAccessible::registerAccessibleInterface(new TalentInterface(board(), at)));
        }
        return QAccessible::accessibleInterface(*id);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int k = 0; k < childCount(); ++k) {
            if (this->child(k) == child)
                return k;
        }
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (!board()->hasFocus())
            return nullptr;
        return child(static_cast<int>(board()->placedTalents().indexOf(board()->current())));
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const auto at = board()->talentAt(board()->mapFromGlobal(QPoint(x, y)));
        return at ? child(static_cast<int>(board()->placedTalents().indexOf(*at))) : nullptr;
    }

private:
    BoardView *board() const { return static_cast<BoardView *>(widget()); }
    // One interface per talent place, made when first asked for and kept while the board lives.
    mutable QHash<int, QAccessible::Id> children_;
};

QAccessibleInterface *boardInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("BoardView") || !object)
        return nullptr;
    return new BoardInterface(static_cast<BoardView *>(object));
}

} // namespace

void speakForBoard(BoardView &)
{
    static const bool installed = [] {
        QAccessible::installFactory(boardInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void tellBoardReader(BoardView &board, int child, QAccessible::Event event)
{
    QAccessibleEvent told(&board, event);
    told.setChild(child);
    QAccessible::updateAccessibility(&told);
}
