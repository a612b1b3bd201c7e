// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/grouprules.h"

namespace kuji6 {

namespace {

enum Group { A = 1, B, C, D, E, F, G };

int positionOf(Course course, int line, int k) {
    return course == Course::Wide ? line * 5 + k : k;
}

bool isGroup(Byte group) {
    return group >= A && group <= G;
}

void countGroups(PredictionState& state, Course course, int line) {
    state.groupCount.fill(0);
    for (int k = 1; k <= 5; ++k) {
        const Byte group = state.numGroup[state.candidate[positionOf(course, line, k)]];
        if (isGroup(group)) {
            ++state.groupCount[group];
        }
    }
    state.favGroup = state.numGroup[state.favNumber];
    if (isGroup(state.favGroup)) {
        ++state.groupCount[state.favGroup];
    }
}

bool anyGroupHolds(const PredictionState& state, int atLeast) {
    for (int g = A; g <= G; ++g) {
        if (state.groupCount[g] >= atLeast) {
            return true;
        }
    }
    return false;
}

void contradiction(RunContext& run, const QString& message, const QString& comment) {
    run.prompter.warn(QStringLiteral("選択条件が矛盾しています"), message);
    run.display.setComment(comment);
}

// The verdict of the excluded groups: the first excluded group the line touches decides.
RunStatus excludedGroupVerdict(RunContext& run, const RuleSettings& rules) {
    for (int i = 0; i < 7; ++i) {
        if (rules.excludedGroup[static_cast<std::size_t>(i)] && run.state.groupCount[i + 1] > 0) {
            if (run.state.favGroup == i + 1) {
                contradiction(run, QStringLiteral("任意数字と外したいグループが同一です。"),
                              QStringLiteral("どっちかの条件を変えてちょうだい"));
                return RunStatus::Stop;
            }
            return RunStatus::Redraw;
        }
    }
    return RunStatus::CarryOn;
}

// At least one number of A or E and one of D or G; unless A and E, or D and G, are both
// excluded, which no line can satisfy.
RunStatus unseenPairsVerdict(RunContext& run, const RuleSettings& rules) {
    const auto& out = rules.excludedGroup;
    const QString message =
        QStringLiteral("未出連帯率反映チェックを外すか、外したいグループを変えて下さい。");
    if (out[A - 1] && out[E - 1]) {
        contradiction(run, message, QStringLiteral("AとEは未出連帯対象です"));
        return RunStatus::Stop;
    }
    if (out[D - 1] && out[G - 1]) {
        contradiction(run, message, QStringLiteral("DとGは未出連帯対象です"));
        return RunStatus::Stop;
    }
    const auto& count = run.state.groupCount;
    const bool noAorE = count[A] == 0 && count[E] == 0;
    const bool noDorG = count[D] == 0 && count[G] == 0;
    return noAorE || noDorG ? RunStatus::Redraw : RunStatus::CarryOn;
}

RunStatus verdict(RunContext& run, const RuleSettings& rules) {
    const PredictionState& state = run.state;
    if (rules.uses(Method::SevenGroup)) {
        if (const RunStatus excluded = excludedGroupVerdict(run, rules);
            excluded != RunStatus::CarryOn) {
            return excluded;
        }
    }
    if (rules.has(SevenGroupOption::OnlyOneC) && state.groupCount[C] >= 2) {
        return RunStatus::Redraw;
    }
    if (rules.has(SevenGroupOption::AtMostThree) && anyGroupHolds(state, 4)) {
        return RunStatus::Redraw;
    }
    // Two to five groups: six different groups fail, and so does five of one group.
    if (rules.has(SevenGroupOption::TwoToFive) &&
        (!anyGroupHolds(state, 2) || anyGroupHolds(state, 5))) {
        return RunStatus::Redraw;
    }
    if (rules.has(SevenGroupOption::UnseenPairs)) {
        return unseenPairsVerdict(run, rules);
    }
    return RunStatus::CarryOn;
}

}  // namespace

void checkGroupRules(RunContext& run, const RuleSettings& rules, Course course, int line) {
    countGroups(run.state, course, line);
    run.state.runStatus = verdict(run, rules);
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
