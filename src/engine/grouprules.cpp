// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/grouprules.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace kuji6 {

namespace {

enum Group { A = 1, B, C, D, E, F, G };

int positionOf(Course course, int line, int k) {
    return course == Course::Wide ? line * 5 + k : k;
}

// How many of a line's numbers each group holds, eight bits a group with A lowest: six
// numbers never make more than 6, so every question about the counts is a mask test.
using GroupCounts = std::uint64_t;
constexpr GroupCounts kOneEach = 0x01010101010101ull;

GroupCounts countOf(Byte group) {
    const bool counted = group >= A && group <= G;
    return counted ? GroupCounts{1} << (8 * (group - A)) : 0;
}

GroupCounts countOf(const PredictionState& state, const GroupCountTable* table, Byte number) {
    return table != nullptr ? (*table)[number] : countOf(state.numGroup[number]);
}

GroupCounts countGroups(PredictionState& state, Course course, int line,
                        const GroupCountTable* table) {
    GroupCounts counts = 0;
    for (int k = 1; k <= 5; ++k) {
        counts += countOf(state, table, state.candidate[positionOf(course, line, k)]);
    }
    state.favGroup = state.numGroup[state.favNumber];
    return counts + countOf(state, table, state.favNumber);
}

// Bit 3 of every group holding `atLeast` (1..7) or more: a count and 8 - atLeast make 8
// or more exactly then, and never reach 16, so no group spills into the next.
GroupCounts groupsHolding(GroupCounts counts, int atLeast) {
    return (counts + kOneEach * static_cast<GroupCounts>(8 - atLeast)) & (kOneEach << 3);
}

int countIn(GroupCounts counts, Group group) {
    return static_cast<int>(counts >> (8 * (group - A)) & 0xff);
}

void contradiction(RunContext& run, const QString& message, const QString& comment) {
    run.prompter.warn(QStringLiteral("選択条件が矛盾しています"), message);
    run.display.setComment(comment);
}

// The verdict of the excluded groups: the first excluded group the line touches decides.
RunStatus excludedGroupVerdict(RunContext& run, const RuleSettings& rules, GroupCounts counts) {
    // The flags as bytes line up with the groups' counts.
    GroupCounts excluded = 0;
    static_assert(sizeof rules.excludedGroup == 7 && sizeof(bool) == 1);
    std::memcpy(&excluded, rules.excludedGroup.data(), sizeof rules.excludedGroup);
    const GroupCounts touched = groupsHolding(counts, 1) >> 3 & excluded;
    if (touched == 0) {
        return RunStatus::CarryOn;
    }
    if (run.state.favGroup == std::countr_zero(touched) / 8 + A) {
        contradiction(run, QStringLiteral("任意数字と外したいグループが同一です。"),
                      QStringLiteral("どっちかの条件を変えてちょうだい"));
        return RunStatus::Stop;
    }
    return RunStatus::Redraw;
}

// At least one number of A or E and one of D or G; unless A and E, or D and G, are both
// excluded, which no line can satisfy.
RunStatus unseenPairsVerdict(RunContext& run, const RuleSettings& rules, GroupCounts counts) {
    const auto& out = rules.excludedGroup;
    const auto pairExcluded = [&run](const QString& comment) {
        contradiction(
            run, QStringLiteral("未出連帯率反映チェックを外すか、外したいグループを変えて下さい。"),
            comment);
        return RunStatus::Stop;
    };
    if (out[A - 1] && out[E - 1]) {
        return pairExcluded(QStringLiteral("AとEは未出連帯対象です"));
    }
    if (out[D - 1] && out[G - 1]) {
        return pairExcluded(QStringLiteral("DとGは未出連帯対象です"));
    }
    const bool noAorE = countIn(counts, A) == 0 && countIn(counts, E) == 0;
    const bool noDorG = countIn(counts, D) == 0 && countIn(counts, G) == 0;
    return noAorE || noDorG ? RunStatus::Redraw : RunStatus::CarryOn;
}

RunStatus verdict(RunContext& run, const RuleSettings& rules, GroupCounts counts) {
    if (rules.uses(Method::SevenGroup)) {
        if (const RunStatus excluded = excludedGroupVerdict(run, rules, counts);
            excluded != RunStatus::CarryOn) {
            return excluded;
        }
    }
    if (rules.has(SevenGroupOption::OnlyOneC) && countIn(counts, C) >= 2) {
        return RunStatus::Redraw;
    }
    if (rules.has(SevenGroupOption::AtMostThree) && groupsHolding(counts, 4) != 0) {
        return RunStatus::Redraw;
    }
    // Two to five groups: six different groups fail, and so does five of one group.
    if (rules.has(SevenGroupOption::TwoToFive) &&
        (groupsHolding(counts, 2) == 0 || groupsHolding(counts, 5) != 0)) {
        return RunStatus::Redraw;
    }
    if (rules.has(SevenGroupOption::UnseenPairs)) {
        return unseenPairsVerdict(run, rules, counts);
    }
    return RunStatus::CarryOn;
}

}  // namespace

GroupCountTable::GroupCountTable(const PredictionState& state) {
    for (int number = 0; number <= 43; ++number) {
        counts_[number] = countOf(state.numGroup[number]);
    }
}

void checkGroupRules(RunContext& run, const RuleSettings& rules, Course course, int line,
                     const GroupCountTable* counts) {
    run.state.runStatus = verdict(run, rules, countGroups(run.state, course, line, counts));
}

void applyGroupVerdict(RunContext& run, Course course, int line) {
    PredictionState& state = run.state;
    switch (state.runStatus) {
        case RunStatus::Stop:
            endBusyDisplay(run.display);
            run.rules.show();
            return;
        case RunStatus::Redraw:
            state.workFlag = 0;
            for (int k = 1; k <= 5; ++k) {
                state.posAccepted[positionOf(course, line, k)] = 0;
            }
            return;
        case RunStatus::CarryOn:
            return;
    }
}

}  // namespace kuji6
