// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/widecourse.h"

#include <optional>

#include "common/numbers.h"
#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"
#include "engine/coursepass.h"
#include "engine/limiter.h"
#include "engine/linestore.h"
#include "engine/numberrules.h"

namespace kuji6 {

namespace {

Byte setUp(RunContext& run, const RuleSettings& rules, Byte favourite,
           const QString& combinationsText) {
    PredictionState& state = run.state;
    state.demeThreshold = drawRateThreshold(rules);
    const Byte lines = fitted<Byte>(floorFromText(combinationsText));
    state.favNumber = favourite;
    state.candidate[0] = favourite;  // so that the repeat check also finds the favourite
    for (int i = 1; i <= 25; ++i) {
        state.posAccepted[i] = 0;
    }
    readDemeFile(state, run.folder.demeFile());
    loadChainList(state, run.folder,
                  [&run](const QString& next) { run.display.setNextDraw(next); });
    state.workFlag = 0;
    return lines;
}

// One pass; false when the run has to stop.
bool pass(RunContext& run, const PassRules& rules, Byte lines, PassedLines& passed,
          EarlierNumbers& earlier, const GroupJudge* groupJudge) {
    PredictionState& state = run.state;
    const int positions = 5 * lines;
    const std::uint32_t redrawn = drawUnacceptedPositions(run, rules, positions);
    state.workFlag = 1;
    checkDrawRateAfterDrawing(run, rules, Course::Wide, lines, redrawn);
    if (rules.settings.uses(Method::SevenGroup) &&
        !testGroupLines(run, rules, Course::Wide, redrawn, passed, groupJudge)) {
        return false;
    }
    markRepeatsAndFavourite(state, positions, redrawn, earlier);
    checkRandomLimit(run, state.randomCount);
    return state.limiterTripped == 0;
}

// Passes until the lines' numbers stand; false when the run has to stop. Out of line so that
// a profile (kuji6-bench --instructions) tells the search from what every run pays once.
[[gnu::noinline]] bool drawUntilSettled(RunContext& run, const RuleSettings& rules, Byte lines) {
    const PassRules passRules(run.state, rules);
    // Up to five lines tested again on every pass: a judge worked out once pays.
    std::optional<GroupJudge> groupJudge;
    if (rules.uses(Method::SevenGroup)) {
        // Without a line the last line's index falls below its type: the fault the first
        // pass would meet, before it has drawn anything.
        static_cast<void>(fitted<Byte>(lines - 1));
        groupJudge.emplace(run.state, passRules.groupMasks);
    }
    PassedLines passed(lines);
    EarlierNumbers earlier;
    while (run.state.workFlag == 0) {
        if (!pass(run, passRules, lines, passed, earlier, groupJudge ? &*groupJudge : nullptr)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void runWideCourse(RunContext& run, Byte favourite, const QString& combinationsText) {
    const RuleSettings rules = run.rules.current();
    const Byte lines = setUp(run, rules, favourite, combinationsText);
    if (!drawUntilSettled(run, rules, lines)) {
        return;
    }
    PredictionState& state = run.state;
    for (int line = 0; line < lines; ++line) {
        const auto& c = state.candidate;
        const int p = line * 5;
        storeLine(state, run.sheet,
                  {c[p + 1], c[p + 2], c[p + 3], c[p + 4], c[p + 5], state.favNumber}, line);
    }
    run.rules.show();
}

}  // namespace kuji6
