// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/course.h"
#include "engine/runcontext.h"

namespace kuji6 {

// The seven-group method: judges a line (five candidates and the favourite number) by how
// it spreads over the groups A..G. It sets the run status: CarryOn, Redraw (the line is
// rejected) or Stop (the rule settings contradict each other: message shown, comment set).
// The line is candidate positions 1..5 in the steady course, line * 5 + 1 .. line * 5 + 5
// in the wide-range course.
void checkGroupRules(RunContext& run, const RuleSettings& rules, Course course, int line);

// Acts on the run status: Stop ends the busy display and shows the rule settings; Redraw
// marks the line's five positions for drawing again.
void applyGroupVerdict(RunContext& run, Course course, int line);

}  // namespace kuji6
