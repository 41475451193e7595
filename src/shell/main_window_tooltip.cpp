// The tooltip panel beside a talent: name, rank, requirements and rank texts.
#include "icon_tag.h"
#include "image_control.h"
#include "label_control.h"
#include "main_window.h"
#include "panel_control.h"
#include "rules.h"
#include "tooltip_text.h"

namespace {
const QSize PanelSize(355, 420);
const QSize TextSize(345, 325);
const QColor Met(0, 255, 0);
const QColor Unmet(255, 0, 0);
} // namespace

void TForm1::MouseEnter(ImageControl *sender)
{
    const TreeSlot at = decodeIconTag(sender->tag());
    if (TalentTable::validTree(at.tree) && TalentTable::validSlot(at.slot))
        RisHint(at.slot, at.tree);
}

void TForm1::MuseLeave()
{
    p_info->hide();
    p_info->setAutoSize(false);
    p_info->resize(PanelSize);
    lb_text->setAutoSize(false);
    lb_text->resize(TextSize);
}

void TForm1::RisHint(int slot, int tree)
{
    p_info->setAutoSize(false);
    lb_text->setAutoSize(false);
    p_info->resize(PanelSize);
    lb_treb->setAutoSize(false);

    const TooltipWords words{uiStrings_.at(Str::NeedsOpen), uiStrings_.at(Str::NeedsMiddle),
                             uiStrings_.at(Str::NeedsClose), uiStrings_.at(Str::NextRank),
                             uiStrings_.at(Str::Rank)};
    const TooltipTexts texts = tooltipTexts(table_, slot, tree, words);
    lb_name->setCaption(texts.name);
    lb_rang->setCaption(texts.rankLine);
    lb_treb->setFontColour(requirementsMet(table_, slot, tree) ? Met : Unmet);
    lb_treb->setCaption(texts.requirements);
    lb_text->setCaption(texts.description);

    lb_treb->setAutoSize(true);
    lb_text->move(lb_text->x(), lb_treb->y() + lb_treb->height() + (slot > ColumnsPerRow ? 5 : 0));
    lb_text->setAutoSize(true);
    const int hintsTop = lb_text->y() + lb_text->height() + 5;
    lb_inc->move(lb_inc->x(), hintsTop);
    lb_dec->move(p_info->width() - lb_dec->width(), hintsTop);
    p_info->setAutoSize(true);

    const QRect icon = cell(slot, tree).icon->geometry();
    p_info->move(tooltipPosition(icon, p_info->size(), slot, tree));
    p_info->show();
}
