// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/coursepass.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>

#include "common/numbers.h"
#include "engine/grouprules.h"
#include "engine/numberrules.h"

namespace kuji6 {

std::uint32_t drawUnacceptedPositions(RunContext& run, const PassRules& rules, int last) {
    PredictionState& state = run.state;
    constexpr int inTable = decltype(state.posAccepted)::last;
    const std::uint32_t drawn = unacceptedPositions(state, std::min(last, inTable));
    // The numbers in position order, drawn at once.
    std::array<float, inTable> values;
    const std::span<float> numbers = std::span(values).first(positionCount(drawn));
    run.drawCountedValues(numbers);
    // The drawn positions lie within 1..25, where both tables hold them.
    const auto candidates = state.candidate.slice<0, inTable>();
    const auto accepted = state.posAccepted.slice<1, inTable>();
    const std::uint64_t chainAccepted = rules.chainAccepted;
    const float* value = numbers.data();
    for (std::uint32_t rest = drawn; rest != 0; rest &= rest - 1) {
        const auto p = static_cast<std::size_t>(std::countr_zero(rest));
        const Byte number = lotteryNumber(*value++);
        candidates[p] = number;
        accepted[p - 1] = chainFlag(chainAccepted, number);
    }
    if (last > inTable) {
        // More lines than the table holds fail at the first position past it.
        indexOutOfRange(inTable + 1);
    }
    return drawn;
}

bool testGroupLines(RunContext& run, const PassRules& rules, Course course, std::uint32_t redrawn,
                    PassedLines& passed, const GroupJudge* judge) {
    PredictionState& state = run.state;
    // Straight to the lines to test, in order: most of them still pass on most passes.
    for (std::uint32_t rest = passed.toTest(redrawn); rest != 0;) {
        const int line = (std::countr_zero(rest) - 1) / 5;
        rest &= ~linePositions(line);
        if (judge != nullptr) {
            const int first = firstPositionOf(course, line);
            state.runStatus = judge->check(run, state.candidate.slice(first, first + 4).first<5>());
        } else {
            checkGroupRules(run, rules.groupMasks, course, line);
        }
        passed.record(line, state.runStatus);
        applyGroupVerdict(run, course, line);
        if (state.runStatus == RunStatus::Stop) {
            return false;
        }
    }
    return true;
}

void markRepeatsAndFavourite(PredictionState& state, int last, std::uint32_t redrawn,
                             EarlierNumbers& earlier) {
    // Position i is drawn again when it repeats any of positions 0..i-1, or when any of
    // positions 1..i holds the favourite. A position before the first one drawn this pass
    // passed the last time and all before it are unchanged, so the check starts there.
    if (redrawn == 0) {
        return;
    }
    const std::span<const Byte> candidates = state.candidate.slice(0, last);
    const std::span<Byte> accepted = state.posAccepted.slice(1, last);
    const auto bitOf = [](Byte number) { return std::uint64_t{1} << (number & 63); };
    const auto first =
        std::min(static_cast<std::size_t>(std::countr_zero(redrawn)), candidates.size());
    std::size_t i = std::min(first, earlier.known);
    std::uint64_t seen = earlier.before[i];
    for (; i < first; ++i) {
        earlier.before[i] = seen;
        seen |= bitOf(candidates[i]);
    }
    const Byte favourite = state.favNumber;
    for (; i < candidates.size(); ++i) {
        earlier.before[i] = seen;
        const Byte number = candidates[i];
        if (number == favourite) {
            std::ranges::fill(accepted.subspan(i - 1), Byte{0});
            state.workFlag = 0;
            earlier.known = i;
            return;
        }
        if ((seen & bitOf(number)) != 0) {
            accepted[i - 1] = 0;
            state.workFlag = 0;
        }
        seen |= bitOf(number);
    }
    earlier.known = candidates.size() - 1;
}

Byte drawRateThreshold(const RuleSettings& rules) {
    return roundedFromText<Byte>(rules.drawRatePercent);
}

}  // namespace kuji6
