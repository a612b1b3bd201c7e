// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/steadycourse.h"

#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"
#include "engine/coursepass.h"
#include "engine/limiter.h"
#include "engine/linestore.h"
#include "engine/numberrules.h"

namespace kuji6 {

namespace {

constexpr int kDrawn = 6;  // candidate[7] is the favourite

void setUp(RunContext& run, const RuleSettings& rules, Byte favourite) {
    PredictionState& state = run.state;
    state.randomCount = 0;
    state.candidate[0] = 0;
    state.favNumber = favourite;
    state.candidate[7] = favourite;
    state.demeThreshold = drawRateThreshold(rules);
    for (int i = 1; i <= kDrawn; ++i) {
        state.posAccepted[i] = 0;
    }
    if (rules.uses(Method::Chain)) {
        loadChainList(state, run.folder,
                      [&run](const QString& next) { run.display.setNextDraw(next); });
    }
    readDemeFile(state, run.folder.demeFile());
    state.workFlag = 0;
}

// One pass; false when the run has to stop.
bool pass(RunContext& run, const PassRules& rules, PassedLines& passed, EarlierNumbers& earlier) {
    PredictionState& state = run.state;
    const std::uint32_t redrawn = drawUnacceptedPositions(run, rules, kDrawn);
    state.workFlag = 1;
    checkDrawRateAfterDrawing(run, rules, Course::Steady, 0, redrawn);
    // The one line tested is positions 1..5 and the favourite; position 6 never is.
    if (rules.settings.uses(Method::SevenGroup) &&
        !testGroupLines(run, rules, Course::Steady, redrawn, passed)) {
        return false;
    }
    markRepeatsAndFavourite(state, kDrawn, redrawn, earlier);
    checkRandomLimit(run, state.randomCount);
    return state.limiterTripped == 0;
}

// Line J leaves out position 7 - J: line 0 is the six drawn numbers, line 6 leaves out
// position 1.
void storeSevenLines(RunContext& run) {
    PredictionState& state = run.state;
    for (int line = 0; line <= 6; ++line) {
        const int skipped = 7 - line;
        int k = 1;
        for (int position = 1; position <= 7; ++position) {
            if (position != skipped) {
                state.sortedLine[k++] = state.candidate[position];
            }
        }
        const auto& s = state.sortedLine;
        storeLine(state, run.sheet, {s[1], s[2], s[3], s[4], s[5], s[6]}, line);
    }
}

// Passes until the six numbers stand; false when the run has to stop. Out of line so that a
// profile (kuji6-bench --instructions) tells the search from what every run pays once.
[[gnu::noinline]] bool drawUntilSettled(RunContext& run, const RuleSettings& rules) {
    const PassRules passRules(run.state, rules);
    PassedLines passed(1);
    EarlierNumbers earlier;
    while (run.state.workFlag == 0) {
        if (!pass(run, passRules, passed, earlier)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void runSteadyCourse(RunContext& run, Byte favourite) {
    const RuleSettings rules = run.rules.current();
    setUp(run, rules, favourite);
    if (!drawUntilSettled(run, rules)) {
        return;
    }
    storeSevenLines(run);
    run.sheet.setNextEnabled(true);
    run.sheet.setPageText(QStringLiteral("1/2page"));
    run.rules.show();
}

}  // namespace kuji6
