// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/numberrules.h"

namespace kuji6 {

namespace {

int examinedPositions(Course course, Byte lineCount) {
    if (course == Course::Steady) {
        return 6;
    }
    return course == Course::Wide ? 5 * lineCount : 0;
}

}  // namespace

void checkChainRule(RunContext& run, const RuleSettings& rules, int position) {
    PredictionState& state = run.state;
    if (!rules.uses(Method::Chain)) {
        state.posAccepted[position] = 1;
        return;
    }
    const Byte number = state.candidate[position];
    for (int i = 1; i <= 10; ++i) {
        if (number == state.rensaTable[i]) {
            state.posAccepted[position] = 1;
            return;
        }
    }
}

void checkDrawRateRule(RunContext& run, const RuleSettings& rules, Course course, Byte lineCount) {
    PredictionState& state = run.state;
    const int last = examinedPositions(course, lineCount);
    if (!rules.uses(Method::DrawRate)) {
        for (int p = 1; p <= last; ++p) {
            state.posAccepted[p] = 1;
        }
        return;
    }
    const Direction direction = directionOf(rules.drawRateDirection);
    const Byte threshold = state.demeThreshold;
    for (int p = 1; p <= last; ++p) {
        if (state.posAccepted[p] == 1) {
            continue;
        }
        state.demeDice = percentDice(run.random.next());
        if (direction == Direction::Unknown) {
            continue;
        }
        const Byte rate = state.drawRate[state.candidate[p]];
        const bool preferred =
            direction == Direction::AtOrAbove ? rate >= threshold : rate <= threshold;
        // Outside the preferred range a number still gets in by the dice: (rate - 1) in 100.
        if (preferred || state.demeDice < rate) {
            state.posAccepted[p] = 1;
        }
    }
}

}  // namespace kuji6
