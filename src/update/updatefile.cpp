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

void countRecord(PredictionState& state, UpdateProgress& progress) {
    state.readCount = fitted<qint32>(qint64{state.readCount} + 1);
    progress.setReadValue(state.readCount);
}

void readInto(UpdateData& data, FieldReader& in, PredictionState& state, UpdateProgress& progress) {
    data.header = readHeader(in);
    progress.setCaption(QStringLiteral("出目データの読み込み中・・・・"), true);
    for (int n = 1; n <= 43; ++n) {
        data.drawRate[n] = in.byte();
        data.numGroup[n] = in.byte();
        countRecord(state, progress);
    }
    progress.setCaption(QStringLiteral("連鎖データの読み込み中・・・・"), true);
    data.lastKai = in.int16();
    for (int i = 0; i <= 5; ++i) {
        data.lastNumbers[i] = in.byte();
    }
    countRecord(state, progress);
    for (int slot = 1; slot <= 1849; ++slot) {
        data.chain[slot] = in.byte();
        countRecord(state, progress);
    }
}

void take(PredictionState& state, const UpdateData& data) {
    state.updateKai = data.header.kai;
    state.updateNote = data.header.note;
    for (int n = 1; n <= 43; ++n) {
        state.drawRate[n] = data.drawRate[n];
        state.numGroup[n] = data.numGroup[n];
    }
    state.lastKai = data.lastKai;
    state.lastNumbers = data.lastNumbers;
    state.rensaTable = data.chain;
}

void countWritten(PredictionState& state, UpdateProgress& progress) {
    state.writeCount = fitted<qint32>(qint64{state.writeCount} + 1);
    progress.setWriteValue(state.writeCount);
}

}  // namespace

UpdateHeader readUpdateHeader(const QString& path) {
    FieldReader in = FieldReader::fromFile(path);
    return readHeader(in);
}

void readUpdateFile(PredictionState& state, const QString& path, UpdateProgress& progress) {
    state.readCount = progress.readValue();
    FieldReader in = FieldReader::fromFile(path);
    readUpdateFields(state, in, progress);
}

void readUpdateFields(PredictionState& state, FieldReader& in, UpdateProgress& progress) {
    UpdateData data;
    readInto(data, in, state, progress);
    take(state, data);
}

void writeDataFiles(PredictionState& state, const ProgramFolder& folder, UpdateProgress& progress) {
    state.writeCount = progress.writeValue();
    const auto written = [&state, &progress] { countWritten(state, progress); };
    progress.setCaption(QStringLiteral("出目ファイルの書き込み中・・・・"), true);
    const QByteArray deme = demeFileBytes(state.updateKai, state.drawRate, state.numGroup, written);
    progress.setCaption(QStringLiteral("連鎖ファイルの書き込み中・・・・"), true);
    const QByteArray rensa =
        rensaFileBytes(state.lastKai, state.lastNumbers, state.rensaTable, written);
    saveFilesTogether({{folder.demeFile(), deme}, {folder.rensaFile(), rensa}});
}

}  // namespace kuji6
