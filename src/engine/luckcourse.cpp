// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/luckcourse.h"

#include "common/numbers.h"
#include "engine/limiter.h"
#include "engine/linestore.h"

namespace kuji6 {

namespace {

// Draws five numbers for candidate[1..5]; any clash among them or with the favourite in
// candidate[6] throws all five away. Out of line so that a profile (kuji6-bench
// --instructions) tells the search from what every run pays once.
[[gnu::noinline]] void drawFiveDifferent(RunContext& run) {
    PredictionState& state = run.state;
    state.workFlag = 0;
    while (state.workFlag == 0) {
        for (int p = 1; p <= 5; ++p) {
            state.candidate[p] = run.drawCountedNumber();
        }
        state.workFlag = 1;
        for (int p = 1; p <= 5; ++p) {
            for (int j = 1; j <= p; ++j) {
                if (state.candidate[p] == state.candidate[j - 1] ||
                    state.candidate[j] == state.candidate[6]) {
                    state.workFlag = 0;
                }
            }
        }
    }
}

}  // namespace

void runLuckCourse(RunContext& run, Byte favourite, const QString& combinationsText) {
    PredictionState& state = run.state;
    state.candidate[0] = 0;
    state.candidate[6] = favourite;
    const qint16 lastLine = fitted<qint16>(floorFromText(combinationsText) - 1);
    for (int line = 0; line <= lastLine; ++line) {
        drawFiveDifferent(run);
        storeLine(state, run.sheet,
                  {state.candidate[1], state.candidate[2], state.candidate[3], state.candidate[4],
                   state.candidate[5], state.candidate[6]},
                  line);
    }
    checkRandomLimit(run, state.randomCount);
    run.rules.unload();
}

}  // namespace kuji6
