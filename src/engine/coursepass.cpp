// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/coursepass.h"

#include <bitset>

#include "common/numbers.h"
#include "engine/grouprules.h"
#include "engine/numberrules.h"

namespace kuji6 {

std::uint32_t drawUnacceptedPositions(RunContext& run, const RuleSettings& rules, int last) {
    std::uint32_t drawn = 0;
    for (int i = 1; i <= last; ++i) {
        if (run.state.posAccepted[i] == 0) {
            run.state.candidate[i] = run.drawCountedNumber();
            checkChainRule(run, rules, i);
            drawn |= 1u << i;
        }
    }
    return drawn;
}

bool testGroupLines(RunContext& run, const RuleSettings& rules, Course course, Byte lines,
                    std::uint32_t redrawn, PassedLines& passed) {
    const Byte lastLine = fitted<Byte>(lines - 1);
    for (int line = 0; line <= lastLine; ++line) {
        if (passed.stillPassing(line, redrawn)) {
            continue;
        }
        checkGroupRules(run, rules, course, line);
        passed.record(line, run.state.runStatus);
        applyGroupVerdict(run, course, line);
        if (run.state.runStatus == RunStatus::Stop) {
            return false;
        }
    }
    return true;
}

void markRepeatsAndFavourite(PredictionState& state, int last) {
    // Position i is drawn again when it repeats any of positions 0..i-1, or when any of
    // positions 1..i holds the favourite: one pass, remembering what came before.
    std::bitset<256> earlier;
    earlier[state.candidate[0]] = true;
    const Byte favourite = state.favNumber;
    bool favouriteSeen = false;
    for (int i = 1; i <= last; ++i) {
        const Byte number = state.candidate[i];
        favouriteSeen = favouriteSeen || number == favourite;
        if (earlier[number] || favouriteSeen) {
            state.posAccepted[i] = 0;
            state.workFlag = 0;
        }
        earlier[number] = true;
    }
}

Byte drawRateThreshold(const RuleSettings& rules) {
    return roundedFromText<Byte>(rules.drawRatePercent);
}

}  // namespace kuji6
