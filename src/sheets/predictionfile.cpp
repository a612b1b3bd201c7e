// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/predictionfile.h"

#include "common/fields.h"

namespace kuji6 {

namespace {

void writeContents(FieldWriter& out, const PredictionFileContents& contents) {
    for (const Sheet::Line& line : contents.lines) {
        for (const QString& number : line) {
            out.text(number);
        }
        out.endLine();
    }
    out.text(contents.drawNumber).text(contents.date).number(contents.courseIndex);
    out.text(contents.favourite).endLine();
    out.text(contents.combinations).text(contents.units).text(contents.consecutiveDraws);
    out.text(contents.randomLimit).endLine();
}

PredictionFileContents readContents(FieldReader& in) {
    PredictionFileContents contents;
    for (Sheet::Line& line : contents.lines) {
        for (QString& number : line) {
            number = in.text();
        }
    }
    contents.drawNumber = in.text();
    contents.date = in.text();
    contents.courseIndex = in.int16();
    contents.favourite = in.text();
    contents.combinations = in.text();
    contents.units = in.text();
    contents.consecutiveDraws = in.text();
    contents.randomLimit = in.text();
    if (contents.courseIndex < 0 || contents.courseIndex > 2) {
        throw RuntimeFault(FaultKind::IndexOutOfRange, QString::number(contents.courseIndex), {});
    }
    return contents;
}

}  // namespace

QByteArray predictionFileBytes(const RuleSettings& live, const PredictionFileContents& contents) {
    FieldWriter out;
    writeSettingsLines(out, live);
    writeContents(out, contents);
    return out.bytes();
}

void savePredictionFile(const QString& path, const RuleSettings& live,
                        const PredictionFileContents& contents) {
    saveBytes(predictionFileBytes(live, contents), path);
}

PredictionFileContents loadPredictionFile(const QString& path, RuleRecord& ruleBuffer) {
    FieldReader in = FieldReader::fromFile(path, NonNumeric::Zero);
    return readPredictionFields(in, ruleBuffer);
}

PredictionFileContents readPredictionFields(FieldReader& in, RuleRecord& ruleBuffer) {
    readSettingsLines(in, ruleBuffer);
    return readContents(in);
}

QString proposedFileName(const QString& drawNumber) {
    return drawNumber + QStringLiteral("回予想.txt");
}

}  // namespace kuji6
