#pragma once

#include "talents/talent_table.h"

enum class PressButton { Left, Right, Middle };

// What one press on a talent did, so that the board can follow with its pictures.
struct PressOutcome {
    bool spent = false;    // a point was added
    bool refunded = false; // a point was given back
    bool toColour = false; // the icon must take its colour picture (the talent was at rank 0)
    bool toGrey = false;   // the icon must turn grey (the last point went)
};

// Spends a point on a left press or gives one back on a right press, under the budget, the
// requirement flags and the refund rule. A left press on an open talent at full rank changes no
// number but still asks for the colour picture when the rank is 0 (a talent of 0 ranks can't be
// placed, so that case does not arise from data).
PressOutcome applyPress(TalentTable &table, int slot, int tree, PressButton button);
