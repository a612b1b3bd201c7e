// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

#include "common/fields.h"
#include "rules/liverules.h"

namespace kuji6 {

// The rule settings as option.ini and the head of a prediction file store them. A check
// state is 0 or 1 as written; a box counts as ticked only when it reads 1.
struct RuleRecord {
    std::array<qint16, 3> methodSwitch{};
    qint16 drawRatePercent = 0;
    QString drawRateDirection;
    std::array<qint16, 4> sevenGroupOption{};
    std::array<qint16, 7> excludedGroup{};

    bool operator==(const RuleRecord&) const = default;
};

// The word every options and prediction file starts with.
inline const QString kSettingsHeader = QStringLiteral("kuji6ぽむりん");

// What the user is told when an options or prediction file cannot be read: the same words
// for both kinds, as they always were.
inline const QString kNotAPredictionFile =
    QStringLiteral("このファイルは、kuji6ぽむりんの予想ファイルではありません");

// Reads the seventeen fields of the settings lines into `ruleBuffer`, storing each as it is
// read, then checks the header word: a wrong one is a WrongHeader error.
void readSettingsLines(FieldReader& in, RuleRecord& ruleBuffer);

// Writes the two settings lines from the live settings, the percentage rounded down to a
// whole number. A percentage that is not a number fails before anything is written.
void writeSettingsLines(FieldWriter& out, const RuleSettings& live);

// option.ini. Numbers that are not numbers read as 0.
void loadOptionsFile(const QString& path, RuleRecord& ruleBuffer);
// Replaces option.ini all at once: a failure leaves the old file as it was.
void saveOptionsFile(const QString& path, const RuleSettings& live);

}  // namespace kuji6
