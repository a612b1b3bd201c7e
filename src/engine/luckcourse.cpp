// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/luckcourse.h"

#include <array>
#include <span>

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
    const std::span<Byte, 7> candidate = state.candidate.slice<0, 6>();
    while (state.workFlag == 0) {
        std::array<float, 5> values;
        run.drawCountedValues(values);
        for (std::size_t p = 1; p <= 5; ++p) {
            candidate[p] = lotteryNumber(values[p - 1]);
        }
        state.workFlag = 1;
        for (std::size_t p = 1; p <= 5; ++p) {
            for (std::size_t j = 1; j <= p; ++j) {
                if (candidate[p] == candidate[j - 1] || candidate[j] == candidate[6]) {
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
