// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/runcontext.h"

namespace kuji6 {

// The steady course, "7 to 6": six drawn numbers and the favourite make seven, and the
// seven ways of leaving one out are the seven lines (two pages). The three rule methods
// apply; passes redraw the positions that failed until a pass needs no redraw, a rule
// contradiction stops the run, or the random limit is passed.
void runSteadyCourse(RunContext& run, Byte favourite);

}  // namespace kuji6
