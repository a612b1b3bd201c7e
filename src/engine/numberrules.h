// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/course.h"
#include "engine/runcontext.h"

namespace kuji6 {

// The rules that judge single candidate numbers. Each only ever accepts a position
// (posAccepted = 1); an unaccepted position is drawn again only if another pass follows for
// another reason.

// The chain method: a fresh number at `position` is accepted when it is in the chain list
// (rensaTable[1..10]); with the method off every number is. Inline: the draw loops ask it of
// every number they draw.
inline void checkChainRule(RunContext& run, const RuleSettings& rules, int position) {
    PredictionState& state = run.state;
    Byte& accepted = state.posAccepted[position];
    if (!rules.uses(Method::Chain)) {
        accepted = 1;
        return;
    }
    const Byte number = state.candidate[position];
    for (const Byte listed : state.rensaTable.slice<1, 10>()) {
        if (number == listed) {
            accepted = 1;
            return;
        }
    }
}

// The draw-rate method over positions 1..6 (steady course) or 1..5 * lineCount (wide-range
// course; any other course examines none): a number whose past draw rate lies in the
// preferred range is accepted, any other one when a percentage dice falls below its rate.
// With the method off every examined position is accepted.
void checkDrawRateRule(RunContext& run, const RuleSettings& rules, Course course, Byte lineCount);

}  // namespace kuji6
