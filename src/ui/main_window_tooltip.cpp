// The tooltip beside the talent under the pointer.
#include "board/tooltip_text.h"
#include "board/icon_tag.h"
#include "talents/point_order.h"
#include "talents/rules.h"
#include "toolkit/image_control.h"
#include "ui/main_window.h"
#include "ui/tooltip_panel.h"

void MainWindow::talentEntered(ImageControl *sender)
{
    const TreeSlot at = decodeIconTag(sender->tag());
    if (TalentTable::validTree(at.tree) && TalentTable::validSlot(at.slot))
        showTooltip(at.slot, at.tree);
}

void MainWindow::talentLeft()
{
    tooltip_->hide();
}

void MainWindow::showTooltip(int slot, int tree)
{
    QStringList levels;
    for (int level : levelsOf(build_->order(), slot, tree))
        levels << QString::number(level);
    tooltip_->show(tooltipTexts(table(), slot, tree, tooltipWords()),
                   requirementsMet(table(), slot, tree), slot, tree,
                   cell(slot, tree).icon->geometry(),
                   levels.isEmpty() ? QString() : more().at(More::Levels).arg(levels.join(", ")));
}

TooltipWords MainWindow::tooltipWords() const
{
    return {uiStrings().at(Str::NeedsOpen), uiStrings().at(Str::NeedsMiddle),
            uiStrings().at(Str::NeedsClose), uiStrings().at(Str::NextRank),
            uiStrings().at(Str::Rank)};
}
