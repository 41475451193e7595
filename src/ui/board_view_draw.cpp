// The board drawn from its build: a class taken whole, then only the ranks that change, painted in
// the order the board stacks its parts; and the tooltip.
#include "board/fonts.h"
#include "board/trees_picture.h"
#include "build/build.h"
#include "build/comparison.h"
#include "talents/point_order.h"
#include "talents/rules.h"
#include "toolkit/label_control.h"
#include "ui/board_view.h"
#include "ui/talent_search.h"
#include "ui/tooltip_panel.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace {

// The focus frame of the board's talents: the yellow of the tree names, two pixels wide on the
// icon's own edge, as the icons may sit flush against others.
const QColor FocusFrameColour = TreeLabelColour;
// The talent the level view's next step takes: the focus frame's shape in white.
const QColor NextStepFrameColour = Qt::white;
// A talent left out of a search's matches is drawn darkened.
const QColor DimmedShade(0, 0, 0, 170);

} // namespace

void BoardView::stageClass(const PreparedClass &prepared)
{
    TreesLayout layout = treesLayoutOf(prepared);
    stagedArrows_ = arrows_.stage(prepared.table, layout.arrows);
    stagedLayout_ = std::move(layout);
}

void BoardView::showClass()
{
    // The class shown is the one the build's check staged last.
    const TreesLayout layout = std::exchange(stagedLayout_, TreesLayout());
    for (int tree = 1; tree <= TreeCount; ++tree) {
        TreeParts &parts = trees_[tree - 1];
        const TreeLook &look = layout.trees[tree - 1];
        parts.background = look.background;
        parts.emblem = look.emblem;
        parts.emblemBox = QRect(look.emblem.at, look.emblem.picture.size());
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const TalentPlace &place = layout.talents[tree - 1][slot - 1];
            TalentCell &c = cellAt(slot, tree);
            if (!place.placed) {
                c = TalentCell();
                continue;
            }
            static_cast<TalentPlace &>(c) = place;
            c.drawnRank = -1;
            drawRank(slot, tree, Repaint::WithTheBoard);
        }
        // The layout's label, with the sums of a comparison that goes on in another language.
        setTreeLabel(tree, treeLabelText(tree));
    }
    arrows_.show(std::exchange(stagedArrows_, {}));
    budgetLeftShown_ = shown().totalPoints < PointBudget;
    // The same place of another class keeps the keyboard; a place the class leaves empty does not.
    if (!placed(current_))
        current_ = placedTalents().value(0, TreeSlot{0, 0});
    hovered_.reset();
    update();
    tellReader({0, 0}, QAccessible::ObjectReorder);
    search_->boardChanged();
}

void BoardView::showTreeRanks(int tree, bool everyTree)
{
    const TalentTable &table = shown();
    // Every open talent's rank changes colour when the last point is spent or the first one
    // comes back.
    const bool budgetLeft = table.totalPoints < PointBudget;
    const bool budgetChanged = budgetLeft != budgetLeftShown_;
    budgetLeftShown_ = budgetLeft;
    for (int t = 1; t <= TreeCount; ++t) {
        if (t != tree && !budgetChanged && !everyTree)
            continue;
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &now = table.at(slot, t);
            const TalentCell &c = cell(slot, t);
            if (!c.placed)
                continue;
            if (c.drawnRank != now.rank || c.available != now.available || budgetChanged)
                drawRank(slot, t);
        }
        setTreeLabel(t, treeLabelText(t));
    }
    update(arrows_.refresh(table));
}

void BoardView::showLanguage()
{
    const UiStrings &strings = build_.strings();
    tooltip_->setHints(strings.at(Str::AddHint), strings.at(Str::RemoveHint));
    search_->setHint(build_.moreStrings().at(More::SearchHint) + QStringLiteral(" (Ctrl+F)"));
}

void BoardView::drawRank(int slot, int tree, Repaint repaint)
{
    const TalentTable &table = shown();
    const Talent &talent = table.at(slot, tree);
    TalentCell &c = cellAt(slot, tree);
    const bool pictureChanged = (c.drawnRank > 0) != (talent.rank > 0) || c.drawnRank < 0;
    c.drawnRank = talent.rank;
    c.available = talent.available;
    c.rank = rankLook(talent, table.totalPoints);
    const QRect before = c.rankBox;
    c.rankBox = QRect(c.rankAt, rankSizes_.of(c.rank.text));
    placeBadge(c, comparedDifference(slot, tree), repaint);
    // Asked for one by one, the rectangles of a whole class cost more than the paint they save.
    if (repaint == Repaint::Cell) {
        update(before);
        update(c.rankBox);
        if (pictureChanged)
            update(c.icon);
    }
    // A screen reader names the talent as a sighted user reads it: the talent and its rank. A
    // new name is announced to it, so only a changed name is told.
    const QString accessibleName = talent.name + u' ' + c.rank.text;
    if (c.accessibleName != accessibleName) {
        c.accessibleName = accessibleName;
        tellReader({tree, slot}, QAccessible::NameChanged);
    }
    // The description (state and requirements) is worked out when asked; a reader that holds
    // it is told it may have changed.
    tellReader({tree, slot}, QAccessible::DescriptionChanged);
}

void BoardView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // On a screen that scales the window (device pixel ratio 2), each picture pixel becomes a
    // block of pixels: sharp, as the pictures were drawn pixel by pixel, instead of blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A press leaves a few small places to paint (a rank, a tree's label, the ground the
    // tooltip uncovers) far apart: each piece is drawn only where it meets one of them, and each
    // text in the box it was measured for.
    const QRegion &dirty = event->region();
    painter.fillRect(event->rect(), Qt::black);
    for (const TreeParts &parts : trees_)
        drawBoardPicture(painter, parts.background);
    for (const TreeParts &parts : trees_) {
        if (dirty.intersects(parts.emblemBox))
            drawBoardPicture(painter, parts.emblem);
        if (dirty.intersects(parts.labelBox)) {
            drawBoardText(painter, parts.labelBox, labelSizes_.font(), TreeLabelColour,
                          displayedCaption(parts.label));
        }
    }
    for (const ArrowEntry &arrow : arrows_.entries()) {
        if (arrow.shown && dirty.intersects(QRect(arrow.at, arrow.picture.size())))
            painter.drawImage(arrow.at, arrow.picture);
    }
    const bool frame = framed();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const TalentCell &c = cell(slot, tree);
            if (!c.placed || !dirty.intersects(c.icon.united(c.rankBox).united(c.badgeBox)))
                continue;
            painter.drawImage(c.icon.topLeft(), c.drawnRank > 0 ? c.colour : c.grey);
            if (c.dimmed)
                painter.fillRect(c.icon, DimmedShade);
            if (frame && current_ == TreeSlot{tree, slot}) {
                painter.setPen(QPen(FocusFrameColour, 2));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(c.icon).adjusted(1, 1, -1, -1));
            }
            if (nextStep_ == TreeSlot{tree, slot}) {
                painter.setPen(QPen(NextStepFrameColour, 2));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(c.icon).adjusted(1, 1, -1, -1));
            }
            rankPictures_.draw(painter, c.rankBox, c.rank.colour, c.rank.text, Qt::black);
            if (c.badge != 0)
                drawBadge(painter, c);
        }
    }
}

void BoardView::showTooltip(TreeSlot at)
{
    if (!placed(at))
        return;
    const TalentTable &table = shown();
    QStringList levels;
    for (int level : levelsOf(build_.order(), at.slot, at.tree))
        levels << QString::number(level);
    TooltipTexts texts = tooltipTexts(table, at.slot, at.tree, tooltipWords());
    if (comparison_ && comparison_->active()) {
        texts.comparedLine = build_.moreStrings()
                                 .at(More::ComparedRank)
                                 .arg(QString::number(comparison_->rank(at.slot, at.tree)),
                                      QString::number(table.at(at.slot, at.tree).maxRank));
    }
    tooltip_->show(
        texts, requirementsMet(table, at.slot, at.tree), at.slot, at.tree,
        cell(at.slot, at.tree).icon,
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
