// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "rules/liverules.h"
#include "rules/rulerecord.h"
#include "sheets/sheet.h"

namespace kuji6 {

// What a prediction file keeps after its two settings lines: the ten result lines, the
// draw and the purchase.
struct PredictionFileContents {
    std::array<Sheet::Line, Sheet::kLines> lines;
    QString drawNumber;  // Txkai
    QString date;        // Txday
    qint16 courseIndex = 0;
    QString favourite;         // Cmbno
    QString combinations;      // CmbABC
    QString units;             // Cmbkutisuu
    QString consecutiveDraws;  // Cmbkeizoku
    QString randomLimit;       // CmbRimit

    bool operator==(const PredictionFileContents&) const = default;
};

// The file's fourteen lines: the settings lines from the live rules, then the contents.
// A percentage that is not a number fails before anything is written.
QByteArray predictionFileBytes(const RuleSettings& live, const PredictionFileContents& contents);

// Replaces the file at `path` all at once: a failure leaves any old file as it was.
void savePredictionFile(const QString& path, const RuleSettings& live,
                        const PredictionFileContents& contents);

// Reads and checks the whole file before anything is used: the header word, all fourteen
// lines' worth of fields and a course index 0..2. The settings lines go into `ruleBuffer`.
PredictionFileContents loadPredictionFile(const QString& path, RuleRecord& ruleBuffer);
PredictionFileContents readPredictionFields(FieldReader& in, RuleRecord& ruleBuffer);

// The name proposed for saving the prediction of draw `drawNumber`: "152回予想.txt".
QString proposedFileName(const QString& drawNumber);

// The file type the save and open dialogs offer.
inline const QString kPredictionFileFilter = QStringLiteral("テキストファイル(*.txt)");

}  // namespace kuji6
