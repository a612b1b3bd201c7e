#pragma once

#include "engine/runcontext.h"

namespace kuji6 {

// Pieces of a pass shared by the steady and the wide-range course.

// Draws a new number, checked by the chain rule, for every position 1..last not yet
// accepted.
void drawUnacceptedPositions(RunContext& run, const RuleSettings& rules, int last);

// Positions 1..last: a position that repeats an earlier one (position 0 included) is drawn
// again, and so is every position from the first one holding the favourite number on.
void markRepeatsAndFavourite(PredictionState& state, int last);

// The draw-rate percentage of the rule settings, as the courses hold it.
Byte drawRateThreshold(const RuleSettings& rules);

}  // namespace kuji6
