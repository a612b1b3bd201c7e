// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "common/course.h"
#include "engine/runcontext.h"

namespace kuji6 {

// The rules that judge single candidate numbers. Each only ever accepts a position
// (posAccepted = 1); an unaccepted position is drawn again only if another pass follows for
// another reason.

// The numbers the chain method accepts, bit n for number n (a draw gives none of 64 or
// more): those of the chain list (rensaTable[1..10]), or every one with the method off. A
// pass asks once for all the numbers it draws.
std::uint64_t chainListNumbers(const PredictionState& state);
inline std::uint64_t chainAcceptedNumbers(const PredictionState& state, const RuleSettings& rules) {
    return rules.uses(Method::Chain) ? chainListNumbers(state) : ~std::uint64_t{0};
}

// The chain method: a fresh number, not accepted yet, is accepted when `accepted`, as
// chainAcceptedNumbers gives it, holds it. Its position's flag is simply that bit.
inline Byte chainFlag(std::uint64_t accepted, Byte number) {
    return static_cast<Byte>(accepted >> (number & 63) & 1);
}

// The draw-rate method over positions 1..6 (steady course) or 1..5 * lineCount (wide-range
// course; any other course examines none): a number whose past draw rate lies in the
// preferred range is accepted, any other one when a percentage dice falls below its rate.
// With the method off every examined position is accepted. `direction` is that of the rule
// settings, which a course works out once for all its passes.
void checkDrawRateRule(RunContext& run, const RuleSettings& rules, Course course, Byte lineCount,
                       Direction direction);
inline void checkDrawRateRule(RunContext& run, const RuleSettings& rules, Course course,
                              Byte lineCount) {
    checkDrawRateRule(run, rules, course, lineCount, directionOf(rules.drawRateDirection));
}

}  // namespace kuji6
