// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/liverulerecord.h"

#include "common/numbers.h"

namespace kuji6 {

namespace {

// What the rule window shows before any file is read.
RuleSettings initialSettings() {
    RuleSettings settings;
    settings.drawRatePercent = QStringLiteral("15");
    settings.drawRateDirection = kAtOrAbove;
    return settings;
}

template <std::size_t N>
void tickAsStored(std::array<bool, N>& ticked, const std::array<qint16, N>& stored) {
    for (std::size_t i = 0; i < N; ++i) {
        ticked[i] = stored[i] == 1;
    }
}

}  // namespace

LiveRuleRecord::LiveRuleRecord(Prompter& prompter, QString optionsPath, RuleRecord& ruleBuffer)
    : prompter_(prompter), optionsPath_(std::move(optionsPath)), ruleBuffer_(ruleBuffer) {}

void LiveRuleRecord::load() {
    if (settings_) {
        return;
    }
    settings_ = initialSettings();
    try {
        loadOptionsFile(optionsPath_, ruleBuffer_);
        apply(ruleBuffer_);
    } catch (const RuntimeFault& fault) {
        // No option.ini yet is the normal state before the first 設定.
        if (fault.kind() != FaultKind::FileNotFound) {
            prompter_.inform(kProgramTitle, kNotAPredictionFile);
        }
    }
    emit changed();
}

const RuleSettings& LiveRuleRecord::settings() {
    return loaded();
}

RuleSettings& LiveRuleRecord::loaded() {
    load();
    return *settings_;
}

void LiveRuleRecord::apply(const RuleRecord& record) {
    RuleSettings& settings = *settings_;
    tickAsStored(settings.method, record.methodSwitch);
    tickAsStored(settings.sevenGroupOption, record.sevenGroupOption);
    tickAsStored(settings.excludedGroup, record.excludedGroup);
    settings.drawRatePercent = QString::number(record.drawRatePercent);
    // The stored direction, whatever switching the draw-rate method on would set.
    settings.drawRateDirection = record.drawRateDirection;
}

template <class T>
void LiveRuleRecord::edit(T& value, const T& edited) {
    if (value != edited) {
        value = edited;
        emit changed();
    }
}

void LiveRuleRecord::switchMethod(Method method, bool on) {
    RuleSettings& settings = loaded();
    edit(settings.method[static_cast<std::size_t>(method)], on);
    if (settings.uses(Method::DrawRate)) {
        edit(settings.drawRateDirection, kAtOrAbove);
    }
}

void LiveRuleRecord::setSevenGroupOption(SevenGroupOption option, bool ticked) {
    edit(loaded().sevenGroupOption[static_cast<std::size_t>(option)], ticked);
}

void LiveRuleRecord::setExcludedGroup(int group, bool excluded) {
    edit(loaded().excludedGroup.at(static_cast<std::size_t>(group)), excluded);
}

void LiveRuleRecord::setDrawRatePercent(const QString& text) {
    edit(loaded().drawRatePercent, text);
}

void LiveRuleRecord::setDrawRateDirection(const QString& text) {
    edit(loaded().drawRateDirection, text);
}

void LiveRuleRecord::clearSwitchedOff() {
    RuleSettings& settings = loaded();
    if (!settings.uses(Method::SevenGroup)) {
        // 未出連帯率反映 is kept.
        for (SevenGroupOption option : {SevenGroupOption::OnlyOneC, SevenGroupOption::AtMostThree,
                                        SevenGroupOption::TwoToFive}) {
            settings.sevenGroupOption[static_cast<std::size_t>(option)] = false;
        }
        settings.excludedGroup.fill(false);
    }
    if (!settings.uses(Method::DrawRate)) {
        settings.drawRatePercent = QStringLiteral("0");
        settings.drawRateDirection.clear();
    }
    emit changed();
}

bool LiveRuleRecord::confirm() {
    try {
        clearSwitchedOff();
        if (floorFromText(settings_->drawRatePercent) > 100) {
            prompter_.warn(kAttentionTitle, QStringLiteral("条件は100%以内でお願いしますよ。"));
        }
        saveOptionsFile(optionsPath_, *settings_);
    } catch (const RuntimeFault& fault) {
        if (fault.kind() == FaultKind::FileUnwritable) {
            prompter_.warn(kProgramTitle,
                           fileFaultMessage(QStringLiteral("設定を保存できませんでした。"), fault));
        } else {
            prompter_.warn(kAttentionTitle, QStringLiteral("入力条件にエラーがあります。"));
        }
        return false;
    }
    unload();
    return true;
}

void LiveRuleRecord::show() {
    load();
    emit showRequested();
}

void LiveRuleRecord::unload() {
    if (settings_) {
        settings_.reset();
        emit unloaded();
    }
}

}  // namespace kuji6
