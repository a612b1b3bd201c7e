// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/updatefile.h"

#include "common/fields.h"
#include "common/numbers.h"
#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"

namespace kuji6 {

namespace {

// The tables an update brings, read before any shared table changes.
struct UpdateData {
    UpdateHeader header;
    DrawRates drawRate;
    NumberGroups numGroup;
    qint16 lastKai = 0;
    LatestNumbers lastNumbers;
    ChainMatrix chain;
};

UpdateHeader readHeader(FieldReader& in) {
    UpdateHeader header;
    header.magicWord = in.text();
    header.kai = in.int16();
    header.note = in.text();
    return header;
}

void countRecord(DrawData& data, UpdateProgress& progress) {
    data.readCount = fitted<qint32>(qint64{data.readCount} + 1);
    progress.setReadValue(data.readCount);
}

void readInto(UpdateData& staged, FieldReader& in, DrawData& data, UpdateProgress& progress) {
    staged.header = readHeader(in);
    progress.setCaption(QStringLiteral("出目データの読み込み中・・・・"), true);
    for (int n = 1; n <= 43; ++n) {
        staged.drawRate[n] = in.byte();
        staged.numGroup[n] = in.byte();
        countRecord(data, progress);
    }
    progress.setCaption(QStringLiteral("連鎖データの読み込み中・・・・"), true);
    staged.lastKai = in.int16();
    for (int i = 0; i <= 5; ++i) {
        staged.lastNumbers[i] = in.byte();
    }
    countRecord(data, progress);
    for (int slot = 1; slot <= 1849; ++slot) {
        staged.chain[slot] = in.byte();
        countRecord(data, progress);
    }
}

void take(DrawData& data, const UpdateData& staged) {
    data.updateKai = staged.header.kai;
    data.updateNote = staged.header.note;
    for (int n = 1; n <= 43; ++n) {
        data.drawRate[n] = staged.drawRate[n];
        data.numGroup[n] = staged.numGroup[n];
    }
    data.lastKai = staged.lastKai;
    data.lastNumbers = staged.lastNumbers;
    data.rensaTable = staged.chain;
}

void countWritten(DrawData& data, UpdateProgress& progress) {
    data.writeCount = fitted<qint32>(qint64{data.writeCount} + 1);
    progress.setWriteValue(data.writeCount);
}

}  // namespace

UpdateHeader readUpdateHeader(const QString& path) {
    FieldReader in = FieldReader::fromFile(path);
    return readHeader(in);
}

void readUpdateFile(DrawData& data, const QString& path, UpdateProgress& progress) {
    data.readCount = progress.readValue();
    FieldReader in = FieldReader::fromFile(path);
    readUpdateFields(data, in, progress);
}

void readUpdateFields(DrawData& data, FieldReader& in, UpdateProgress& progress) {
    UpdateData staged;
    readInto(staged, in, data, progress);
    take(data, staged);
}

void writeDataFiles(DrawData& data, const ProgramFolder& folder, UpdateProgress& progress) {
    data.writeCount = progress.writeValue();
    const auto written = [&data, &progress] { countWritten(data, progress); };
    progress.setCaption(QStringLiteral("出目ファイルの書き込み中・・・・"), true);
    const QByteArray deme = demeFileBytes(data.updateKai, data.drawRate, data.numGroup, written);
    progress.setCaption(QStringLiteral("連鎖ファイルの書き込み中・・・・"), true);
    const QByteArray rensa =
        rensaFileBytes(data.lastKai, data.lastNumbers, data.rensaTable, written);
    saveFilesTogether({{folder.demeFile(), deme}, {folder.rensaFile(), rensa}});
}

}  // namespace kuji6
