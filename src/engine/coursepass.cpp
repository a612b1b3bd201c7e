#include "engine/coursepass.h"

#include "common/numbers.h"
#include "engine/numberrules.h"

namespace kuji6 {

void drawUnacceptedPositions(RunContext& run, const RuleSettings& rules, int last) {
    for (int i = 1; i <= last; ++i) {
        if (run.state.posAccepted[i] == 0) {
            run.state.candidate[i] = lotteryNumber(run.random.next());
            checkChainRule(run, rules, i);
            countDraw(run.state);
        }
    }
}

void markRepeatsAndFavourite(PredictionState& state, int last) {
    for (int i = 1; i <= last; ++i) {
        for (int j = 1; j <= i; ++j) {
            if (state.candidate[i] == state.candidate[j - 1] ||
                state.candidate[j] == state.favNumber) {
                state.posAccepted[i] = 0;
                state.workFlag = 0;
            }
        }
    }
}

Byte drawRateThreshold(const RuleSettings& rules) {
    return roundedFromText<Byte>(rules.drawRatePercent);
}

}  // namespace kuji6
