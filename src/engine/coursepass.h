// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "common/course.h"
#include "engine/grouprules.h"
#include "engine/numberrules.h"
#include "engine/runcontext.h"

namespace kuji6 {

// Pieces of a pass shared by the steady and the wide-range course.

// The rule settings of a run, with what every pass reads of them worked out once, after the
// data files are loaded: the numbers the chain method accepts, the draw-rate direction and
// the seven-group settings as masks.
struct PassRules {
    PassRules(const PredictionState& state, const RuleSettings& rules)
        : settings(rules),
          chainAccepted(chainAcceptedNumbers(state, rules)),
          drawRateDirection(rules.uses(Method::DrawRate) ? directionOf(rules.drawRateDirection)
                                                         : Direction::Unknown),
          groupMasks(rules) {}

    const RuleSettings& settings;
    std::uint64_t chainAccepted;
    Direction drawRateDirection;
    GroupRuleMasks groupMasks;
};

// Draws a new number, checked by the chain rule, for every position 1..last not yet
// accepted. Returns the positions drawn, bit p for position p.
std::uint32_t drawUnacceptedPositions(RunContext& run, const PassRules& rules, int last);

// The positions 1..5 of line `line` (0..4) as bits, as drawUnacceptedPositions reports them.
constexpr std::uint32_t linePositions(int line) {
    return 0x3Eu << (5 * line);
}

// Remembers which lines passed the seven-group rules. A line that passed and has drawn no
// new number since passes again, for the rules look at nothing else: only changed lines
// need testing, which spares most of the work of a pass.
class PassedLines {
  public:
    // For the lines 0..lines-1 (the candidates hold five at most).
    explicit PassedLines(Byte lines) : lines_(((1u << (5 * std::min<int>(lines, 5))) - 1) << 1) {}

    // The positions of the lines that do not still pass after `redrawn`.
    std::uint32_t toTest(std::uint32_t redrawn) const { return lines_ & ~(passed_ & ~redrawn); }
    void record(int line, RunStatus status) {
        if (status == RunStatus::CarryOn) {
            passed_ |= linePositions(line);
        } else {
            passed_ &= ~linePositions(line);
        }
    }

  private:
    std::uint32_t lines_;       // the positions of all the lines
    std::uint32_t passed_ = 0;  // the positions of the lines that passed
};

// The seven-group rules for the lines `passed` holds, skipping those that still pass; false
// when the rules stop the run. With a judge the lines are judged by it, else each from the
// group list.
bool testGroupLines(RunContext& run, const PassRules& rules, Course course, std::uint32_t redrawn,
                    PassedLines& passed, const GroupJudge* judge = nullptr);

// What the repeat check found before each position in its last pass: the numbers of
// positions 0..i-1 as bits (every number is below 64), for i up to known. Positions before
// the first one drawn again are unchanged, so the next check starts from here.
struct EarlierNumbers {
    EarlierNumbers() { before[0] = 0; }
    // Only the entries up to known are ever read: the rest need no clearing for every run.
    std::array<std::uint64_t, 26> before;
    std::size_t known = 0;
};

// Positions 1..last: a position that repeats an earlier one (position 0 included) is drawn
// again, and so is every position from the first one holding the favourite number on.
// `redrawn` are the positions drawn in this pass; each of the others must have passed this
// check in the last pass, as in a course, where a position that fails is drawn again.
// `earlier` is what that last check left, or nothing remembered.
void markRepeatsAndFavourite(PredictionState& state, int last, std::uint32_t redrawn,
                             EarlierNumbers& earlier);
inline void markRepeatsAndFavourite(PredictionState& state, int last, std::uint32_t redrawn) {
    EarlierNumbers nothingRemembered;
    markRepeatsAndFavourite(state, last, redrawn, nothingRemembered);
}

// The draw-rate method after a pass that drew `drawn`. It examines the positions that pass
// looked at, every flag of which is 1 unless drawn in it: with the method off, which accepts
// every examined position, only the drawn ones the chain method left out need setting.
inline void checkDrawRateAfterDrawing(RunContext& run, const PassRules& rules, Course course,
                                      Byte lineCount, std::uint32_t drawn) {
    if (rules.settings.uses(Method::DrawRate)) {
        checkDrawRateRule(run, rules.settings, course, lineCount, rules.drawRateDirection);
        return;
    }
    if (!rules.settings.uses(Method::Chain)) {
        return;  // the chain method off accepted every drawn position already
    }
    for (; drawn != 0; drawn &= drawn - 1) {
        run.state.posAccepted[std::countr_zero(drawn)] = 1;
    }
}

// The draw-rate percentage of the rule settings, as the courses hold it.
Byte drawRateThreshold(const RuleSettings& rules);

}  // namespace kuji6
