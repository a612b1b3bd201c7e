// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"
#include "fakes.h"
#include "programfolderfixture.h"
#include "readonlyfolder.h"
#include "update/updatefile.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

// The update file that comes with the data, for draw 2037 and its date.
QByteArray shippedUpdate() {
    return shippedData(QStringLiteral("history/update.txt"));
}

// An update whose tables differ from the shipped ones: draw 2040, latest draw 2039.
QByteArray changedUpdate() {
    QByteArray bytes = shippedUpdate();
    bytes.replace("\"pomrinupdate\",2037,\"2025-09-25\"", "\"pomrinupdate\",2040,\"note\"");
    bytes.replace("\r\n14,1\r\n", "\r\n99,7\r\n");
    bytes.replace("\r\n2037,7,12,", "\r\n2039,7,12,");
    return bytes;
}

struct ReadResult {
    DrawData state;
    FakeProgress progress;
    bool failed = false;
};

std::unique_ptr<ReadResult> read(const QByteArray& bytes) {
    auto result = std::make_unique<ReadResult>();
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("u.txt"), bytes);
    result->state.drawRate[1] = 77;  // stands for "the tables as they were"
    try {
        readUpdateFile(result->state, dir.path(QStringLiteral("u.txt")), result->progress);
    } catch (const RuntimeFault&) {
        result->failed = true;
    }
    return result;
}

}  // namespace

class UpdateFileTest : public QObject {
    Q_OBJECT
  private slots:
    void readsACompleteFile();
    void layoutsReadTheSame_data();
    void layoutsReadTheSame();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();
    void header();
    void rewriteGivesTheDataFiles();
    void rewriteIntoAReadOnlyFolderKeepsTheOldFiles();
};

void UpdateFileTest::readsACompleteFile() {
    const auto result = read(changedUpdate());
    QVERIFY(!result->failed);
    const DrawData& state = result->state;
    QCOMPARE(state.readCount, kCompleteRead);
    QCOMPARE(result->progress.read, 1893);
    QCOMPARE(state.updateKai, qint16{2040});
    QCOMPARE(state.updateNote, QStringLiteral("note"));
    QCOMPARE(state.drawRate[1], Byte{99});
    QCOMPARE(state.numGroup[1], Byte{7});
    QCOMPARE(state.lastKai, qint16{2039});
    QCOMPARE(state.lastNumbers[5], Byte{29});
    // The chain table row by row: row 1 starts with 35.
    QCOMPARE(state.rensaTable[1], Byte{35});
    QCOMPARE(result->progress.captions,
             (QStringList{"出目データの読み込み中・・・・ (refreshed)",
                          "連鎖データの読み込み中・・・・ (refreshed)"}));
}

void UpdateFileTest::layoutsReadTheSame_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("all on one line") << QByteArray(changedUpdate()).replace("\r\n", ",");
    QTest::newRow("one field per line") << QByteArray(changedUpdate()).replace(",", "\r\n");
    QTest::newRow("trailing content") << changedUpdate() + "1,2,3\r\nnot a number\r\n";
    QTest::newRow("magic word without quotes")
        << QByteArray(changedUpdate()).replace("\"pomrinupdate\"", "pomrinupdate");
}

void UpdateFileTest::layoutsReadTheSame() {
    QFETCH(QByteArray, bytes);
    const auto reference = read(changedUpdate());
    const auto result = read(bytes);
    QVERIFY(!result->failed);
    QCOMPARE(result->state.readCount, kCompleteRead);
    QVERIFY(result->state.drawRate == reference->state.drawRate);
    QVERIFY(result->state.numGroup == reference->state.numGroup);
    QVERIFY(result->state.rensaTable == reference->state.rensaTable);
    QCOMPARE(result->state.lastKai, reference->state.lastKai);
}

void UpdateFileTest::failedReadChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("readCount");
    // With a small latest draw number the shifted fields all fit until the very end.
    QByteArray noNote = changedUpdate();
    noNote.replace(",\"note\"", "").replace("\r\n2039,", "\r\n65,");
    QTest::newRow("header without the note") << noNote << 1892;
    QByteArray big = changedUpdate();
    big.replace(big.lastIndexOf("\r\n", big.size() - 3) + 2, 2, "256");
    QTest::newRow("chain value 256") << big << 1850;  // row 43, column 1
    QByteArray negative = changedUpdate();
    negative.replace(negative.lastIndexOf("\r\n", negative.size() - 3) + 2, 2, "-1");
    QTest::newRow("chain value -1") << negative << 1850;
    QTest::newRow("cut short") << changedUpdate().left(1000) << 0;
}

void UpdateFileTest::failedReadChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, readCount);
    const auto result = read(bytes);
    QVERIFY(result->failed);
    if (readCount > 0) {
        QCOMPARE(result->state.readCount, readCount);
    }
    QVERIFY(result->state.readCount < kCompleteRead);
    QCOMPARE(result->state.drawRate[1], Byte{77});
    QCOMPARE(result->state.lastKai, qint16{0});
    QCOMPARE(result->state.rensaTable[1], Byte{0});
    QCOMPARE(result->state.updateKai, qint16{0});
}

void UpdateFileTest::header() {
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("u.txt"), "pomrinupdate,2040,\"a, note\"\r\n");
    const UpdateHeader plain = readUpdateHeader(dir.path(QStringLiteral("u.txt")));
    QCOMPARE(plain.magicWord, kUpdateMagicWord);
    QCOMPARE(plain.kai, qint16{2040});
    QCOMPARE(plain.note, QStringLiteral("a, note"));
    dir.write(QStringLiteral("u.txt"), "\"pomrinUpdate\",1,\"\"\r\n");
    QVERIFY(readUpdateHeader(dir.path(QStringLiteral("u.txt"))).magicWord != kUpdateMagicWord);
    dir.write(QStringLiteral("u.txt"), "\"pomrinupdate\",40000,\"\"\r\n");
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, readUpdateHeader(dir.path(QStringLiteral("u.txt"))));
}

void UpdateFileTest::rewriteGivesTheDataFiles() {
    auto result = read(changedUpdate());
    ProgramFolderFixture dir;
    FakeProgress progress;
    writeDataFiles(result->state, dir.folder(), progress);
    QCOMPARE(result->state.writeCount, 1893);
    QCOMPARE(progress.write, 1893);
    QCOMPARE(progress.captions, (QStringList{"出目ファイルの書き込み中・・・・ (refreshed)",
                                             "連鎖ファイルの書き込み中・・・・ (refreshed)"}));
    const QList<QByteArray> update = changedUpdate().split('\n');
    const QByteArray deme = dir.read(QStringLiteral("data/deme.ini"));
    const QByteArray rensa = dir.read(QStringLiteral("data/rensa.ini"));
    // deme.ini: updateKai and 0, then lines 2..44 of the update file; rensa.ini: its lines
    // 45..88, where the latest draw keeps its own number 2039.
    QCOMPARE(deme, "2040,0\r\n" + update.mid(1, 43).join('\n') + "\n");
    QCOMPARE(rensa, update.mid(44, 44).join('\n') + "\n");
    QVERIFY(rensa.startsWith("2039,"));

    DrawData back;
    readDemeFile(back, dir.folder().demeFile());
    QCOMPARE(back.demeKai, qint16{2040});
    QVERIFY(back.drawRate == result->state.drawRate);
    loadChainRanking(back, dir.folder(), [](const QString&) {});
    QCOMPARE(back.lastKai, qint16{2039});
    QVERIFY(back.lastNumbers == result->state.lastNumbers);
}

void UpdateFileTest::rewriteIntoAReadOnlyFolderKeepsTheOldFiles() {
    auto result = read(changedUpdate());
    ProgramFolderFixture dir;
    const QByteArray oldDeme = dir.read(QStringLiteral("data/deme.ini"));
    const QByteArray oldRensa = dir.read(QStringLiteral("data/rensa.ini"));
    ReadOnlyFolder readOnly(dir.folder().dataFolder());
    if (!readOnly.ok()) {
        QSKIP("this machine cannot make a folder read-only");
    }
    FakeProgress progress;
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, writeDataFiles(result->state, dir.folder(), progress));
    QCOMPARE(dir.read(QStringLiteral("data/deme.ini")), oldDeme);
    QCOMPARE(dir.read(QStringLiteral("data/rensa.ini")), oldRensa);
}

QTEST_GUILESS_MAIN(UpdateFileTest)
#include "tst_updatefile.moc"
