#pragma once

#include "board/refusal_text.h"
#include "datafolder/more_strings.h"
#include "talents/step_move.h"

// The words of a press's refusals in the language of `more`.
RefusalWords refusalWords(const MoreStrings &more);

// Why `move`, refused, cannot stand on the class of `table`: the step that would break, by its
// level and talent, and the rule it would break; empty for a move that stands.
QString stepMoveRefusal(const TalentTable &table, const StepMove &move, const MoreStrings &more);
