// The board drawn from its build: a class shown whole, then only the ranks that change; the
// tooltip; and what a screen reader is told of a talent.
#include "board/cell_geometry.h"
#include "board/icon_tag.h"
#include "board/rank_look.h"
#include "build/build.h"
#include "talents/point_order.h"
#include "talents/rules.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "ui/board_focus.h"
#include "ui/board_view.h"
#include "ui/talent_search.h"
#include "ui/tooltip_panel.h"

#include <QAccessible>

void BoardView::stageArrows(const PreparedClass &prepared)
{
    // Where each icon will stand: the grid is laid out by the width of the first background.
    std::array<std::array<QRect, SlotsPerTree>, TreeCount> iconRects{};
    const int treeWidth = prepared.backgrounds[0].width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const QImage &icon = prepared.colourIcons[tree - 1][slot - 1];
            iconRects[tree - 1][slot - 1] = QRect(iconPosition(slot, tree, treeWidth), icon.size());
        }
    }
    stagedArrows_ = arrows_->stage(prepared.table, prepared.arrowOrder, iconRects);
}

void BoardView::showClass()
{
    const PreparedClass &prepared = build_.shownClass();
    const TalentTable &shown = prepared.table;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        backgrounds_[tree - 1]->setPicture(prepared.backgrounds[tree - 1]);
        emblems_[tree - 1]->setPicture(prepared.emblems[tree - 1]);
    }
    const int treeWidth = backgrounds_[0]->width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            TalentCell &c = cellAt(slot, tree);
            if (!shown.at(slot, tree).present) {
                c.icon->hide();
                c.iconSource->hide();
                c.icon->setEnabled(false);
                c.rankLabel->hide();
                c.grey = QImage();
                continue;
            }
            c.iconSource->setPicture(prepared.colourIcons[tree - 1][slot - 1]);
            c.grey = prepared.greyIcons[tree - 1][slot - 1];
            c.icon->setPicture(shown.at(slot, tree).rank > 0 ? c.iconSource->picture() : c.grey);
            const QPoint at = iconPosition(slot, tree, treeWidth);
            c.icon->move(at);
            c.icon->show();
            c.icon->setEnabled(true);
            c.icon->setTag(encodeIconTag(tree, slot));
            c.rankLabel->setBold(true);
            c.rankLabel->move(rankLabelPosition(at));
            c.rankLabel->show();
            drawRank(slot, tree);
        }
        treeLabels_[tree - 1]->setCaption(
            counterCaption(shown.treeName(tree), shown.treePoints(tree)));
    }
    arrows_->show(stagedArrows_);
    stagedArrows_.clear();
    budgetLeftShown_ = shown.totalPoints < PointBudget;
    focus_->classShown();
    search_->boardChanged();
}

void BoardView::showTreeRanks(int tree)
{
    const TalentTable &shown = build_.talents();
    // Every open talent's rank changes colour when the last point is spent or the first one
    // comes back.
    const bool budgetLeft = shown.totalPoints < PointBudget;
    const bool budgetChanged = budgetLeft != budgetLeftShown_;
    budgetLeftShown_ = budgetLeft;
    for (int t = 1; t <= TreeCount; ++t) {
        if (t != tree && !budgetChanged)
            continue;
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &now = shown.at(slot, t);
            if (!now.present)
                continue;
            TalentCell &c = cellAt(slot, t);
            if ((c.rank > 0) != (now.rank > 0))
                c.icon->setPicture(now.rank > 0 ? c.iconSource->picture() : c.grey);
            if (c.rank != now.rank || c.available != now.available || budgetChanged)
                drawRank(slot, t);
        }
        treeLabels_[t - 1]->setCaption(counterCaption(shown.treeName(t), shown.treePoints(t)));
    }
    arrows_->refresh(shown);
}

void BoardView::showLanguage()
{
    const UiStrings &strings = build_.strings();
    tooltip_->setHints(strings.at(Str::AddHint), strings.at(Str::RemoveHint));
    search_->setHint(build_.moreStrings().at(More::SearchHint) + QStringLiteral(" (Ctrl+F)"));
}

void BoardView::drawRank(int slot, int tree)
{
    const TalentTable &table = build_.talents();
    const Talent &talent = table.at(slot, tree);
    const RankLook look = rankLook(talent, table.totalPoints);
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

void BoardView::showTooltip(TreeSlot at)
{
    if (!TalentTable::validTree(at.tree) || !TalentTable::validSlot(at.slot))
        return;
    const TalentTable &table = build_.talents();
    QStringList levels;
    for (int level : levelsOf(build_.order(), at.slot, at.tree))
        levels << QString::number(level);
    tooltip_->show(
        tooltipTexts(table, at.slot, at.tree, tooltipWords()),
        requirementsMet(table, at.slot, at.tree), at.slot, at.tree,
        cell(at.slot, at.tree).icon->geometry(),
        levels.isEmpty()
            ? QString()
            : build_.moreStrings().at(More::Levels).arg(levels.join(QStringLiteral(", "))));
}

TooltipWords BoardView::tooltipWords() const
{
    const UiStrings &strings = build_.strings();
    return {strings.at(Str::NeedsOpen), strings.at(Str::NeedsMiddle), strings.at(Str::NeedsClose),
            strings.at(Str::NextRank), strings.at(Str::Rank)};
}

QString BoardView::talentDescription(const ImageControl &icon) const
{
    const TalentTable &table = build_.talents();
    const MoreStrings &more = build_.moreStrings();
    const TreeSlot at = decodeIconTag(icon.tag());
    if (!TalentTable::validTree(at.tree) || !TalentTable::validSlot(at.slot) ||
        !table.at(at.slot, at.tree).present)
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
    for (const QString &line : requirements.split(u'\r', Qt::SkipEmptyParts))
        parts << line.trimmed();
    return parts.join(QStringLiteral(". "));
}
