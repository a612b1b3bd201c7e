// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>

#include "common/course.h"
#include "common/table.h"
#include "engine/runcontext.h"

namespace kuji6 {

// The seven-group method judges a line (five candidates and the favourite number) by how it
// spreads over the groups A..G. The line is candidate positions 1..5 in the steady course,
// line * 5 + 1 .. line * 5 + 5 in the wide-range course.
inline int firstPositionOf(Course course, int line) {
    return course == Course::Wide ? line * 5 + 1 : 1;
}

// How many of a line's numbers each group holds, eight bits a group with A lowest: six
// numbers never make more than 6, so every question about the counts is a mask test.
using GroupCounts = std::uint64_t;

// What the rules find of a line: it passes, it is drawn again, or the rule settings
// contradict each other in one of three ways, which end the run.
enum class GroupVerdict : std::uint8_t {
    Pass,
    Redraw,
    FavouriteExcluded,  // the first excluded group the line touches is the favourite's
    AandEExcluded,      // the unseen pairs option with both groups of a pair excluded
    DandGExcluded,
};

// The rule settings as masks over the counts.
struct GroupRuleMasks {
    explicit GroupRuleMasks(const RuleSettings& rules);

    GroupCounts excluded = 0;  // bit 0 of every excluded group
    bool onlyOneC;
    bool atMostThree;
    bool twoToFive;
    bool unseenPairs;
    GroupVerdict pairsExcluded = GroupVerdict::Pass;  // what the unseen pairs option meets
};

namespace groupcounts {

constexpr GroupCounts kOneEach = 0x01010101010101ull;

// Bit 3 of every group holding `atLeast` (1..7) or more: a count and 8 - atLeast make 8
// or more exactly then, and never reach 16, so no group spills into the next.
constexpr GroupCounts holding(GroupCounts counts, int atLeast) {
    return (counts + kOneEach * static_cast<GroupCounts>(8 - atLeast)) & (kOneEach << 3);
}

// The count of group 1..7 (A..G).
constexpr int of(GroupCounts counts, int group) {
    return static_cast<int>(counts >> (8 * (group - 1)) & 0xff);
}

}  // namespace groupcounts

// The verdict on a line of `counts` whose favourite is of group `favGroup` (0: of none).
// The first excluded group the line touches decides; then the options in turn.
inline GroupVerdict groupVerdict(const GroupRuleMasks& rules, GroupCounts counts, Byte favGroup) {
    using namespace groupcounts;
    if (const GroupCounts touched = holding(counts, 1) >> 3 & rules.excluded; touched != 0) {
        return favGroup == std::countr_zero(touched) / 8 + 1 ? GroupVerdict::FavouriteExcluded
                                                             : GroupVerdict::Redraw;
    }
    if (rules.onlyOneC && of(counts, 3) >= 2) {
        return GroupVerdict::Redraw;
    }
    if (rules.atMostThree && holding(counts, 4) != 0) {
        return GroupVerdict::Redraw;
    }
    // Two to five groups: six different groups fail, and so does five of one group.
    if (rules.twoToFive && (holding(counts, 2) == 0 || holding(counts, 5) != 0)) {
        return GroupVerdict::Redraw;
    }
    if (rules.unseenPairs) {
        // At least one number of A or E and one of D or G.
        if (rules.pairsExcluded != GroupVerdict::Pass) {
            return rules.pairsExcluded;
        }
        const bool noAorE = of(counts, 1) == 0 && of(counts, 5) == 0;
        const bool noDorG = of(counts, 4) == 0 && of(counts, 7) == 0;
        return noAorE || noDorG ? GroupVerdict::Redraw : GroupVerdict::Pass;
    }
    return GroupVerdict::Pass;
}

// A contradiction (a verdict of neither Pass nor Redraw) told the user, message and
// comment: the run stops.
RunStatus contradictionStatus(RunContext& run, GroupVerdict verdict);

// The run status a verdict sets.
inline RunStatus statusOf(RunContext& run, GroupVerdict verdict) {
    switch (verdict) {
        case GroupVerdict::Pass:
            return RunStatus::CarryOn;
        case GroupVerdict::Redraw:
            return RunStatus::Redraw;
        default:
            return contradictionStatus(run, verdict);
    }
}

// The seven-group rules on line `line`, counted from the group list: sets favGroup and the
// run status. For a course that tests a line or two a run.
void checkGroupRules(RunContext& run, const GroupRuleMasks& rules, Course course, int line);

// The seven-group rules of one run worked out once, for a course that tests many lines a
// run: each number's share of the counts, the favourite's share and the settings as masks.
// A line is then judged with one look-up a number and a few mask tests.
class GroupJudge {
  public:
    // Sets favGroup, as checkGroupRules does for every line.
    GroupJudge(PredictionState& state, const GroupRuleMasks& rules);

    // The run status checkGroupRules would set for the five numbers.
    RunStatus check(RunContext& run, std::span<const Byte, 5> numbers) const {
        GroupCounts counts = favourite_;
        for (const Byte number : numbers) {
            counts += counts_[number & 63];  // a number is never above 43
        }
        return statusOf(run, groupVerdict(masks_, counts, favGroup_));
    }

  private:
    std::array<GroupCounts, 64> counts_{};
    GroupCounts favourite_;
    Byte favGroup_;
    GroupRuleMasks masks_;
};

// Ends the busy display and shows the rule settings, as a contradiction does.
void stopForContradiction(RunContext& run);

// Acts on the run status: Stop ends the busy display and shows the rule settings; Redraw
// marks the line's five positions for drawing again.
inline void applyGroupVerdict(RunContext& run, Course course, int line) {
    PredictionState& state = run.state;
    if (state.runStatus == RunStatus::Redraw) {
        state.workFlag = 0;
        const int first = firstPositionOf(course, line);
        std::ranges::fill(state.posAccepted.slice(first, first + 4).first<5>(), Byte{0});
    } else if (state.runStatus == RunStatus::Stop) {
        stopForContradiction(run);
    }
}

}  // namespace kuji6
