// Spending and refunding points, and keeping the cells and counters in step.
#include "board/rank_look.h"
#include "board/refusal_text.h"
#include "board/icon_tag.h"
#include "talents/press.h"
#include "talents/rank_grid.h"
#include "talents/rules.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "toolkit/message_line.h"
#include "ui/arrow_layer.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QUndoStack>

namespace {
PressButton pressButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PressButton::Left;
    case Qt::RightButton:
        return PressButton::Right;
    default:
        return PressButton::Middle;
    }
}

RefusalWords refusalWords(const MoreStrings &more)
{
    return {more.at(More::RefusedRow), more.at(More::RefusedPrerequisite),
            more.at(More::RefusedNoPoints), more.at(More::RefusedFull), more.at(More::RefusedHeld)};
}
} // namespace

void MainWindow::pressTalent(ImageControl *sender, Qt::MouseButton button)
{
    const TreeSlot at = decodeIconTag(sender->tag());
    if (!TalentTable::validTree(at.tree) || !TalentTable::validSlot(at.slot))
        return;
    // The build records a press that changed a rank as a step; the board follows its signal.
    const PressOutcome outcome = build_->press(at.slot, at.tree, pressButton(button));
    // A press that changed nothing says why; any other press clears what the last one said.
    messageLine_->showMessage(
        outcome.spent || outcome.refunded
            ? QString()
            : refusalText(table(), at.slot, at.tree, pressButton(button), refusalWords(more())));
    showTooltip(at.slot, at.tree);
}

void MainWindow::refreshCounterCaptions()
{
    const int total = table().totalPoints;
    spentLabel_->setCaption(counterCaption(uiStrings().at(Str::Spent), total));
    freeLabel_->setCaption(counterCaption(uiStrings().at(Str::Free), freePoints(total)));
    levelLabel_->setCaption(counterCaption(uiStrings().at(Str::Level), characterLevel(total)));
}

void MainWindow::drawRank(int slot, int tree)
{
    const Talent &talent = table().at(slot, tree);
    const RankLook look = rankLook(talent, table().totalPoints);
    TalentCell &c = cellAt(slot, tree);
    c.rank = talent.rank;
    c.available = talent.available;
    c.rankLabel->setFontColour(look.colour);
    c.rankLabel->setCaption(look.text);
    // A screen reader names the icon as a sighted user reads it: the talent and its rank. A new
    // name is announced to it, so only a changed name is given.
    const QString accessibleName = talent.name + u' ' + look.text;
    if (c.icon->accessibleName() != accessibleName)
        c.icon->setAccessibleName(accessibleName);
    // The description (state and requirements) is worked out when asked; a reader that holds
    // it is told it may have changed.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(c.icon, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
