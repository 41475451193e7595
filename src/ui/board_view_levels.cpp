// The board at an earlier level of its build: the ranks of the first steps of the order of points,
// and the talent the next step takes framed in white.
#include "build/comparison.h"
#include "build/level_view.h"
#include "ui/board_view.h"

void BoardView::followLevels(LevelView &levels)
{
    levels_ = &levels;
    connect(&levels, &LevelView::changed, this, [this] { showLevel(); });
}

void BoardView::showLevel()
{
    const std::optional<TreeSlot> next = levels_->nextStep();
    for (const std::optional<TreeSlot> &at : {nextStep_, next}) {
        if (at && placed(*at))
            update(cell(at->slot, at->tree).icon);
    }
    nextStep_ = next;
    // Each tree redraws only the talents whose rank or colour differs at the level shown.
    showTreeRanks(1, true);
    if (comparison_ && comparison_->active())
        showComparison();
    else if (hovered_)
        showTooltip(*hovered_);
}
