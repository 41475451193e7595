#include "build/step_refusal.h"

#include "talents/rank_grid.h"

RefusalWords refusalWords(const MoreStrings &more)
{
    return {more.at(More::RefusedRow), more.at(More::RefusedPrerequisite),
            more.at(More::RefusedNoPoints), more.at(More::RefusedFull), more.at(More::RefusedHeld)};
}

QString stepMoveRefusal(const TalentTable &table, const StepMove &move, const MoreStrings &more)
{
    if (move.fault == StepMove::Fault::None)
        return {};
    const QPoint step = move.order.at(move.brokenStep);
    const QString name = table.at(step.x(), step.y()).name;
    const QString level = QString::number(FirstLevel + 1 + move.brokenStep);
    if (move.fault == StepMove::Fault::SameTalent)
        return more.at(More::StepSameTalent).arg(level, name);
    // The rule the step would break, as a press on the board of the steps before it hears it.
    TalentTable before = table;
    setRanks(before, ranksOfOrder(move.order.first(move.brokenStep)));
    const QString why =
        refusalText(before, step.x(), step.y(), PressButton::Left, refusalWords(more));
    return more.at(More::StepBreaks).arg(level, name, why);
}
