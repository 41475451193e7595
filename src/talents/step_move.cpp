#include "talents/step_move.h"

StepMove moveStep(const TalentTable &table, const PointOrder &order, int from, int to)
{
    StepMove move{order};
    const QPoint moved = order.at(from);
    move.order.move(from, to);
    // Two ranks of one talent are the same step: passing one would only change which rank is
    // which, never when the talent gains its points.
    const int low = std::min(from, to);
    const int high = std::max(from, to);
    for (int n = low; n <= high; ++n) {
        if (n != from && order.at(n) == moved) {
            move.fault = StepMove::Fault::SameTalent;
            move.brokenStep = to;
            return move;
        }
    }
    // Only the steps from `low` to `high` stand at another level or on another board.
    const QVector<bool> before = stepLegality(table, order);
    const QVector<bool> after = stepLegality(table, move.order);
    for (int n = low; n <= high; ++n) {
        const int was = n == to ? from : (from < to ? n + 1 : n - 1);
        if (after[n] || !before[was])
            continue;
        move.fault = StepMove::Fault::StepBreaks;
        move.brokenStep = n;
        return move;
    }
    return move;
}
