#pragma once

struct HandOverEnds;

// The channel's two ends (handover/hand_over_ends.h), from the module beside the program, loaded
// at the first call; nothing when it cannot be loaded: the planner then works alone, and says why
// on standard error.
const HandOverEnds *handOverEnds();
