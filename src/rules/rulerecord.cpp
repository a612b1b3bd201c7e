// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/rulerecord.h"

#include "common/numbers.h"

namespace kuji6 {

namespace {

template <std::size_t N>
void readStates(FieldReader& in, std::array<qint16, N>& states) {
    for (qint16& state : states) {
        state = in.int16();
    }
}

template <std::size_t N>
void writeStates(FieldWriter& out, const std::array<bool, N>& ticked) {
    for (bool state : ticked) {
        out.number(state ? 1 : 0);
    }
}

}  // namespace

void readSettingsLines(FieldReader& in, RuleRecord& ruleBuffer) {
    const QString header = in.text();
    readStates(in, ruleBuffer.methodSwitch);
    ruleBuffer.drawRatePercent = in.int16();
    ruleBuffer.drawRateDirection = in.text();
    readStates(in, ruleBuffer.sevenGroupOption);
    readStates(in, ruleBuffer.excludedGroup);
    if (header != kSettingsHeader) {
        throw RuntimeFault(FaultKind::WrongHeader, header);
    }
}

void writeSettingsLines(FieldWriter& out, const RuleSettings& live) {
    const qint32 percent = fitted<qint32>(floorFromText(live.drawRatePercent));
    out.text(kSettingsHeader);
    writeStates(out, live.method);
    out.number(percent).text(live.drawRateDirection);
    writeStates(out, live.sevenGroupOption);
    out.endLine();
    writeStates(out, live.excludedGroup);
    out.endLine();
}

void loadOptionsFile(const QString& path, RuleRecord& ruleBuffer) {
    FieldReader in = FieldReader::fromFile(path, NonNumeric::Zero);
    readSettingsLines(in, ruleBuffer);
}

void saveOptionsFile(const QString& path, const RuleSettings& live) {
    FieldWriter out;
    writeSettingsLines(out, live);
    out.saveTo(path);
}

}  // namespace kuji6
