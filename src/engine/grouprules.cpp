// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/grouprules.h"

#include <cstring>

namespace kuji6 {

namespace {

enum Group { A = 1, B, C, D, E, F, G };

GroupCounts countOf(Byte group) {
    const bool counted = group >= A && group <= G;
    return counted ? GroupCounts{1} << (8 * (group - A)) : 0;
}

GroupVerdict unseenPairsExcluded(const RuleSettings& rules) {
    const auto& out = rules.excludedGroup;
    if (out[A - 1] && out[E - 1]) {
        return GroupVerdict::AandEExcluded;
    }
    if (out[D - 1] && out[G - 1]) {
        return GroupVerdict::DandGExcluded;
    }
    return GroupVerdict::Pass;
}

RunStatus contradiction(RunContext& run, const QString& message, const QString& comment) {
    run.prompter.warn(QStringLiteral("選択条件が矛盾しています"), message);
    run.display.setComment(comment);
    return RunStatus::Stop;
}

RunStatus unseenPairsContradiction(RunContext& run, const QString& comment) {
    return contradiction(
        run, QStringLiteral("未出連帯率反映チェックを外すか、外したいグループを変えて下さい。"),
        comment);
}

}  // namespace

GroupRuleMasks::GroupRuleMasks(const RuleSettings& rules)
    : onlyOneC(rules.has(SevenGroupOption::OnlyOneC)),
      atMostThree(rules.has(SevenGroupOption::AtMostThree)),
      twoToFive(rules.has(SevenGroupOption::TwoToFive)),
      unseenPairs(rules.has(SevenGroupOption::UnseenPairs)),
      pairsExcluded(unseenPairsExcluded(rules)) {
    if (rules.uses(Method::SevenGroup)) {
        // The flags as bytes line up with the groups' counts.
        static_assert(sizeof rules.excludedGroup == 7 && sizeof(bool) == 1);
        std::memcpy(&excluded, rules.excludedGroup.data(), sizeof rules.excludedGroup);
    }
}

RunStatus contradictionStatus(RunContext& run, GroupVerdict verdict) {
    if (verdict == GroupVerdict::FavouriteExcluded) {
        return contradiction(run, QStringLiteral("任意数字と外したいグループが同一です。"),
                             QStringLiteral("どっちかの条件を変えてちょうだい"));
    }
    return unseenPairsContradiction(run, verdict == GroupVerdict::AandEExcluded
                                             ? QStringLiteral("AとEは未出連帯対象です")
                                             : QStringLiteral("DとGは未出連帯対象です"));
}

void checkGroupRules(RunContext& run, const GroupRuleMasks& rules, Course course, int line) {
    PredictionState& state = run.state;
    GroupCounts counts = 0;
    const int first = firstPositionOf(course, line);
    for (const Byte number : state.candidate.slice(first, first + 4)) {
        counts += countOf(state.numGroup[number]);
    }
    state.favGroup = state.numGroup[state.favNumber];
    counts += countOf(state.favGroup);
    state.runStatus = statusOf(run, groupVerdict(rules, counts, state.favGroup));
}

GroupJudge::GroupJudge(PredictionState& state, const GroupRuleMasks& rules)
    : favourite_(countOf(state.numGroup[state.favNumber])),
      favGroup_(state.numGroup[state.favNumber]),
      masks_(rules) {
    for (int number = 0; number <= 43; ++number) {
        counts_[static_cast<std::size_t>(number)] = countOf(state.numGroup[number]);
    }
    state.favGroup = favGroup_;
}

void stopForContradiction(RunContext& run) {
    endBusyDisplay(run.display);
    run.rules.show();
}

}  // namespace kuji6
