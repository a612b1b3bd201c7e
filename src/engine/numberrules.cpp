// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/numberrules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>

namespace kuji6 {

namespace {

int examinedPositions(Course course, Byte lineCount) {
    if (course == Course::Steady) {
        return 6;
    }
    return course == Course::Wide ? 5 * lineCount : 0;
}

}  // namespace

std::uint64_t chainListNumbers(const PredictionState& state) {
    std::uint64_t listed = 0;
    for (const Byte number : state.rensaTable.slice<1, 10>()) {
        listed |= number < 64 ? std::uint64_t{1} << number : 0;
    }
    return listed;
}

void checkDrawRateRule(RunContext& run, const RuleSettings& rules, Course course, Byte lineCount,
                       Direction direction) {
    PredictionState& state = run.state;
    const std::span<Byte> examined =
        state.posAccepted.slice(1, examinedPositions(course, lineCount));
    if (!rules.uses(Method::DrawRate)) {
        std::ranges::fill(examined, Byte{1});
        return;
    }
    const std::uint32_t pending = unacceptedPositions(state, static_cast<int>(examined.size()));
    if (pending == 0) {
        return;
    }
    // The dice in position order, drawn at once.
    std::array<float, 25> values;
    const std::span<float> dice = std::span(values).first(positionCount(pending));
    run.random.fill(dice);
    state.demeDice = percentDice(dice.back());
    if (direction == Direction::Unknown) {
        return;
    }
    const Byte threshold = state.demeThreshold;
    // The pending positions lie within 1..25, where both tables hold them.
    const auto candidates = state.candidate.slice<0, 25>();
    const auto accepted = state.posAccepted.slice<1, 25>();
    const float* value = dice.data();
    for (std::uint32_t rest = pending; rest != 0; rest &= rest - 1) {
        const auto p = static_cast<std::size_t>(std::countr_zero(rest));
        const float dieValue = *value++;
        const Byte rate = state.drawRate[candidates[p]];
        const bool preferred =
            direction == Direction::AtOrAbove ? rate >= threshold : rate <= threshold;
        // Outside the preferred range a number still gets in by the dice: (rate - 1) in 100.
        if (preferred || percentDice(dieValue) < rate) {
            accepted[p - 1] = 1;
        }
    }
}

}  // namespace kuji6
