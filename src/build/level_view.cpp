#include "build/level_view.h"

#include "build/build.h"
#include "talents/rank_grid.h"

#include <algorithm>

LevelView::LevelView(const Build &build, QObject *parent) : QObject(parent), build_(build)
{
    for (auto signal : {&Build::classChanged, &Build::orderChanged, &Build::languageChanged})
        connect(&build, signal, this, &LevelView::toEnd);
    connect(&build, &Build::ranksChanged, this, &LevelView::toEnd);
}

int LevelView::level() const
{
    return steps_ ? FirstLevel + *steps_ : endLevel();
}

int LevelView::endLevel() const
{
    return FirstLevel + static_cast<int>(build_.order().size());
}

const TalentTable &LevelView::shown() const
{
    return steps_ ? table_ : build_.talents();
}

std::optional<TreeSlot> LevelView::nextStep() const
{
    if (!steps_)
        return std::nullopt;
    const QPoint step = build_.order().at(*steps_);
    return TreeSlot{step.y(), step.x()};
}

void LevelView::goTo(int level)
{
    if (build_.classIndex() < 0)
        return;
    const int steps = std::clamp(level, FirstLevel, endLevel()) - FirstLevel;
    const std::optional<int> wanted =
        steps < build_.order().size() ? std::optional<int>(steps) : std::nullopt;
    if (wanted == steps_)
        return;
    if (wanted) {
        // The texts and pictures are shared with the build's table; only the numbers are copied.
        if (!steps_)
            table_ = build_.talents();
        setRanks(table_, ranksOfOrder(build_.order().first(*wanted)));
    }
    steps_ = wanted;
    emit changed();
}

void LevelView::toEnd()
{
    if (!steps_)
        return;
    steps_.reset();
    emit changed();
}
