#pragma once

#include "talents/point_order.h"

// A step of an order of points moved to another place, the steps between closing up.
struct StepMove {
    enum class Fault {
        None,       // the move stands
        SameTalent, // it would pass a step of its own talent: ranks are taken in increasing order
        StepBreaks, // a step legal at its level before the move would no longer be
    };
    PointOrder order; // the order after the move, also when refused
    Fault fault = Fault::None;
    // SameTalent: the moved step's place in `order`; StepBreaks: the first step of `order` that
    // would break.
    int brokenStep = -1;
};

// Moves step `from` of `order` to place `to` (both counted from 0 and within the order) on the
// class of `table`. Refused when it would pass another rank of its talent, or when a step legal
// at its level before would not be after; steps already illegal may stay so.
StepMove moveStep(const TalentTable &table, const PointOrder &order, int from, int to);
