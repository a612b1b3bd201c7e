// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/demefile.h"

#include "common/fields.h"

namespace kuji6 {

void readDemeFile(DrawData& data, const QString& path) {
    FieldReader in = FieldReader::fromFile(path);
    readDemeFields(data, in);
}

void readDemeFields(DrawData& data, FieldReader& in) {
    data.demeKai = in.int16();
    data.numGroup[0] = in.byte();
    for (int n = 1; n <= 43; ++n) {
        data.drawRate[n] = in.byte();
        data.numGroup[n] = in.byte();
    }
}

void probeDemeFile(const QString& path) {
    FieldReader::fromFile(path).int16();
}

QByteArray demeFileBytes(qint16 kai, const DrawRates& drawRate, const NumberGroups& numGroup,
                         const std::function<void()>& recordWritten) {
    FieldWriter out;
    out.number(kai).number(0).endLine();
    for (int n = 1; n <= 43; ++n) {
        out.number(drawRate[n]).number(numGroup[n]).endLine();
        if (recordWritten) {
            recordWritten();
        }
    }
    return out.bytes();
}

}  // namespace kuji6
