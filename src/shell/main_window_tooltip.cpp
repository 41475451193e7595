// The tooltip panel beside a talent: name, rank, requirements and rank texts.
#include "board/tooltip_text.h"
#include "shell/main_window.h"
#include "talents/icon_tag.h"
#include "talents/rules.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "toolkit/panel_control.h"

namespace {
const QSize PanelSize(355, 420);
const QSize TextSize(345, 325);
const QColor Met(0, 255, 0);
const QColor Unmet(255, 0, 0);
} // namespace

void MainWindow::talentEntered(ImageControl *sender)
{
    const TreeSlot at = decodeIconTag(sender->tag());
    if (TalentTable::validTree(at.tree) && TalentTable::validSlot(at.slot))
        showTooltip(at.slot, at.tree);
}

void MainWindow::talentLeft()
{
    tooltip_->hide();
    tooltip_->setAutoSize(false);
    tooltip_->resize(PanelSize);
    tooltipText_->setAutoSize(false);
    tooltipText_->resize(TextSize);
}

void MainWindow::showTooltip(int slot, int tree)
{
    tooltip_->setAutoSize(false);
    tooltipText_->setAutoSize(false);
    tooltip_->resize(PanelSize);
    tooltipRequirement_->setAutoSize(false);

    const TooltipWords words{uiStrings_.at(Str::NeedsOpen), uiStrings_.at(Str::NeedsMiddle),
                             uiStrings_.at(Str::NeedsClose), uiStrings_.at(Str::NextRank),
                             uiStrings_.at(Str::Rank)};
    const TooltipTexts texts = tooltipTexts(table_, slot, tree, words);
    tooltipName_->setCaption(texts.name);
    tooltipRank_->setCaption(texts.rankLine);
    tooltipRequirement_->setFontColour(requirementsMet(table_, slot, tree) ? Met : Unmet);
    tooltipRequirement_->setCaption(texts.requirements);
    tooltipText_->setCaption(texts.description);

    tooltipRequirement_->setAutoSize(true);
    tooltipText_->move(tooltipText_->x(), tooltipRequirement_->y() + tooltipRequirement_->height() +
                                              (slot > ColumnsPerRow ? 5 : 0));
    tooltipText_->setAutoSize(true);
    const int hintsTop = tooltipText_->y() + tooltipText_->height() + 5;
    learnHint_->move(learnHint_->x(), hintsTop);
    unlearnHint_->move(tooltip_->width() - unlearnHint_->width(), hintsTop);
    tooltip_->setAutoSize(true);

    const QRect icon = cell(slot, tree).icon->geometry();
    tooltip_->move(tooltipPosition(icon, tooltip_->size(), slot, tree));
    tooltip_->show();
}
