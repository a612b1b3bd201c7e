// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What both benchmark programs start from: the shipped data and the rule settings measured.

#include <QDir>
#include <QFile>

#include "rules/liverules.h"

namespace kuji6::benchdata {

// Copies the shipped draw history and chain table into `folder`/data.
inline void copyShippedData(const QString& folder) {
    QDir(folder).mkpath(QStringLiteral("data"));
    for (const char* name : {"deme.ini", "rensa.ini"}) {
        QFile::copy(QStringLiteral(KUJI6_SOURCE_DIR "/data/") + QLatin1String(name),
                    QDir(folder).filePath(QStringLiteral("data/") + QLatin1String(name)));
    }
}

inline RuleSettings rulesOff() {
    RuleSettings rules;
    rules.drawRatePercent = QStringLiteral("20");
    rules.drawRateDirection = QStringLiteral("以上");
    return rules;
}

// 7色法 with all four options, the chain method, and the draw rate 以上 20.
inline RuleSettings strictRules() {
    RuleSettings rules = rulesOff();
    rules.method = {true, true, true};
    rules.sevenGroupOption = {true, true, true, true};
    return rules;
}

}  // namespace kuji6::benchdata
