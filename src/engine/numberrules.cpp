#include "engine/numberrules.h"

namespace kuji6 {

namespace {

constexpr int kChainMethod = 1;
constexpr int kDrawRateMethod = 2;

int examinedPositions(int mode, Byte lineCount) {
    if (mode == 2) {
        return 6;
    }
    return mode == 3 ? 5 * lineCount : 0;
}

bool inPreferredRange(const QString& direction, Byte rate, Byte threshold, bool& known) {
    known = true;
    if (direction == QStringLiteral("以上")) {
        return rate >= threshold;
    }
    if (direction == QStringLiteral("以下")) {
        return rate <= threshold;
    }
    known = false;
    return false;
}

}  // namespace

void checkChainRule(RunContext& run, const RuleSettings& rules, int position) {
    PredictionState& state = run.state;
    if (!rules.method[kChainMethod]) {
        state.posAccepted[position] = 1;
        return;
    }
    for (int i = 1; i <= 10; ++i) {
        if (state.candidate[position] == state.rensaTable[i]) {
            state.posAccepted[position] = 1;
        }
    }
}

void checkDrawRateRule(RunContext& run, const RuleSettings& rules, int mode, Byte lineCount) {
    PredictionState& state = run.state;
    const int last = examinedPositions(mode, lineCount);
    for (int p = 1; p <= last; ++p) {
        if (!rules.method[kDrawRateMethod]) {
            state.posAccepted[p] = 1;
            continue;
        }
        if (state.posAccepted[p] == 1) {
            continue;
        }
        state.demeDice = percentDice(run.random.next());
        const Byte rate = state.drawRate[state.candidate[p]];
        bool known = false;
        const bool preferred =
            inPreferredRange(rules.drawRateDirection, rate, state.demeThreshold, known);
        // Outside the preferred range a number still gets in by the dice: (rate - 1) in 100.
        if (known && (preferred || state.demeDice < rate)) {
            state.posAccepted[p] = 1;
        }
    }
}

}  // namespace kuji6
