// The order of a build's points rearranged.
#include "build/build.h"
#include "build/step_refusal.h"
#include "talents/step_move.h"

QString Build::moveStep(int from, int to)
{
    const int steps = static_cast<int>(order_.size());
    if (classIndex() < 0 || from == to || from < 0 || to < 0 || from >= steps || to >= steps)
        return {};
    const StepMove move = ::moveStep(shown_.table, order_, from, to);
    if (move.fault != StepMove::Fault::None)
        return stepMoveRefusal(shown_.table, move, more_);
    BoardState target = state();
    target.order = move.order;
    target.derivedOrder = false;
    stepTo(target, std::nullopt);
    return {};
}
