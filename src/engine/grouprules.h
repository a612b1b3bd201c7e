// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/runcontext.h"

namespace kuji6 {

// The seven-group method: judges a line (five candidates and the favourite number) by how
// it spreads over the groups A..G. It sets the run status: CarryOn, Redraw (the line is
// rejected) or Stop (the rule settings contradict each other: message shown, comment set).
// The line is candidate positions 1..5 in mode 2, line * 5 + 1 .. line * 5 + 5 in mode 3.
void checkGroupRules(RunContext& run, const RuleSettings& rules, int mode, int line);

// Acts on the run status: Stop ends the busy display and shows the rule settings; Redraw
// marks the line's five positions for drawing again.
void applyGroupVerdict(RunContext& run, int mode, int line);

}  // namespace kuji6
