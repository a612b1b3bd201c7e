// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "common/course.h"
#include "common/table.h"
#include "engine/runcontext.h"

namespace kuji6 {

// Each number's share of a line's group counts, eight bits a group with A lowest, from the
// group list. A run builds it once: a line is then counted with one look-up a number.
class GroupCountTable {
  public:
    explicit GroupCountTable(const PredictionState& state);
    std::uint64_t operator[](Byte number) const { return counts_[number]; }

  private:
    Table<std::uint64_t, 0, 43> counts_;
};

// The seven-group method: judges a line (five candidates and the favourite number) by how
// it spreads over the groups A..G. It sets the run status: CarryOn, Redraw (the line is
// rejected) or Stop (the rule settings contradict each other: message shown, comment set).
// The line is candidate positions 1..5 in the steady course, line * 5 + 1 .. line * 5 + 5
// in the wide-range course.
// `counts` is a table built from the group list in force; without one the line is counted
// from the group list itself, which is cheaper for a run that tests few lines.
void checkGroupRules(RunContext& run, const RuleSettings& rules, Course course, int line,
                     const GroupCountTable* counts = nullptr);

// Acts on the run status: Stop ends the busy display and shows the rule settings; Redraw
// marks the line's five positions for drawing again.
void applyGroupVerdict(RunContext& run, Course course, int line);

}  // namespace kuji6
