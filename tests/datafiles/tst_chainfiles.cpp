// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "datafiles/chainfiles.h"
#include "programfolderfixture.h"

using namespace kuji6;
using kuji6::test::ProgramFolderFixture;

namespace {

struct ChainData {
    qint16 lastKai = 9;
    LatestNumbers lastNumbers;
    ChainMatrix chain;

    void set(int row, int column, int count) {
        chain[43 * (row - 1) + column] = static_cast<Byte>(count);
    }
    QByteArray bytes() const { return rensaFileBytes(lastKai, lastNumbers, chain); }
};

ChainData latestDraw(std::array<int, 6> numbers) {
    ChainData data;
    for (int i = 0; i < 6; ++i) {
        data.lastNumbers[i] = static_cast<Byte>(numbers[static_cast<std::size_t>(i)]);
    }
    return data;
}

struct Loaded {
    QString nextDraw;
    QByteArray rensFile;
    QList<int> chainList;  // rensaTable[1..10] after reading data/rens.ini back
};

Loaded load(const ProgramFolderFixture& dir, DrawData& state) {
    Loaded loaded;
    loadChainRanking(state, dir.folder(),
                     [&loaded](const QString& text) { loaded.nextDraw = text; });
    loaded.rensFile = dir.read(QStringLiteral("data/rens.ini"));
    readRensFile(state, dir.folder().rensFile());
    for (int i = 1; i <= 10; ++i) {
        loaded.chainList << state.rensaTable[i];
    }
    return loaded;
}

Loaded load(const QByteArray& rensa) {
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("data/rensa.ini"), rensa);
    DrawData state;
    return load(dir, state);
}

QByteArray withSeparatorsReplaced(QByteArray bytes, const QByteArray& by) {
    return bytes.replace("\r\n", by).replace(",", by);
}

}  // namespace

class ChainFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void ranking_data();
    void ranking();
    void layoutsLoadTheSame();
    void nextDrawNumber_data();
    void nextDrawNumber();
    void failuresLeaveTheChainListAlone_data();
    void failuresLeaveTheChainListAlone();
    void writerLayout();
};

void ChainFilesTest::ranking_data() {
    QTest::addColumn<QByteArray>("rensa");
    QTest::addColumn<QList<int>>("chainList");

    QTest::newRow("all zero: the largest numbers")
        << latestDraw({1, 2, 3, 4, 5, 6}).bytes()
        << QList<int>{43, 42, 41, 40, 39, 38, 37, 36, 35, 34};

    ChainData ties = latestDraw({1, 2, 3, 4, 5, 6});
    ties.set(1, 5, 3);
    ties.set(2, 9, 3);
    ties.set(3, 2, 1);
    QTest::newRow("equal scores: larger number first")
        << ties.bytes() << QList<int>{9, 5, 2, 43, 42, 41, 40, 39, 38, 37};

    ChainData repeated = latestDraw({4, 4, 50, 0, 0, 0});
    repeated.set(4, 7, 10);
    repeated.set(4, 8, 15);
    repeated.set(50 % 43, 1, 99);  // row 7 is no latest number: 50 selects no row
    QTest::newRow("a repeated latest number counts once")
        << repeated.bytes() << QList<int>{8, 7, 43, 42, 41, 40, 39, 38, 37, 36};

    ChainData wide = latestDraw({1, 2, 3, 4, 5, 6});
    for (int row = 1; row <= 6; ++row) {
        wide.set(row, 10, 200);
        wide.set(row, 11, 100);
    }
    wide.set(1, 12, 255);
    QTest::newRow("scores above 255")
        << wide.bytes() << QList<int>{10, 11, 12, 43, 42, 41, 40, 39, 38, 37};
}

void ChainFilesTest::ranking() {
    QFETCH(QByteArray, rensa);
    QFETCH(QList<int>, chainList);
    const Loaded loaded = load(rensa);
    QCOMPARE(loaded.chainList, chainList);
    QStringList fields;
    for (int n : chainList) {
        fields << QString::number(n);
    }
    QCOMPARE(loaded.rensFile, fields.join(u',').toLatin1() + "\r\n");
}

void ChainFilesTest::layoutsLoadTheSame() {
    const QByteArray shipped = test::shippedData(QStringLiteral("rensa.ini"));
    const Loaded reference = load(shipped);
    QCOMPARE(reference.nextDraw, QStringLiteral("2038"));
    QCOMPARE(load(withSeparatorsReplaced(shipped, ",")).chainList, reference.chainList);
    QCOMPARE(load(withSeparatorsReplaced(shipped, "\r\n")).chainList, reference.chainList);
    QCOMPARE(load(shipped + "1,2,3\r\n").chainList, reference.chainList);
}

void ChainFilesTest::nextDrawNumber_data() {
    QTest::addColumn<int>("lastKai");
    QTest::addColumn<QString>("shown");
    QTest::newRow("9") << 9 << "10";
    QTest::newRow("255") << 255 << "256";
    QTest::newRow("16-bit maximum") << 32767 << "32768";
}

void ChainFilesTest::nextDrawNumber() {
    QFETCH(int, lastKai);
    QFETCH(QString, shown);
    ChainData data = latestDraw({1, 2, 3, 4, 5, 6});
    data.lastKai = static_cast<qint16>(lastKai);
    DrawData state;
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("data/rensa.ini"), data.bytes());
    QCOMPARE(load(dir, state).nextDraw, shown);
    QCOMPARE(state.lastKai, lastKai);
}

void ChainFilesTest::failuresLeaveTheChainListAlone_data() {
    QTest::addColumn<QByteArray>("rensa");
    QTest::addColumn<int>("kind");
    const QByteArray good = latestDraw({1, 2, 3, 4, 5, 6}).bytes();
    QTest::newRow("missing") << QByteArray() << int(FaultKind::FileNotFound);
    QTest::newRow("short") << good.left(good.size() - 10) << int(FaultKind::PastEndOfFile);
    QTest::newRow("a count of 256")
        << QByteArray(good).replace("\r\n0,", "\r\n256,") << int(FaultKind::Overflow);
}

void ChainFilesTest::failuresLeaveTheChainListAlone() {
    QFETCH(QByteArray, rensa);
    QFETCH(int, kind);
    ProgramFolderFixture dir;
    if (rensa.isEmpty()) {
        dir.remove(QStringLiteral("data/rensa.ini"));
    } else {
        dir.write(QStringLiteral("data/rensa.ini"), rensa);
    }
    dir.write(QStringLiteral("data/rens.ini"), "1,2,3,4,5,6,7,8,9,10\r\n");
    DrawData state;
    bool shown = false;
    try {
        loadChainRanking(state, dir.folder(), [&shown](const QString&) { shown = true; });
        QFAIL("a bad rensa.ini was loaded");
    } catch (const RuntimeFault& fault) {
        QCOMPARE(int(fault.kind()), kind);
        QCOMPARE(fault.file(), dir.folder().rensaFile());
    }
    QVERIFY(!shown);
    QCOMPARE(dir.read(QStringLiteral("data/rens.ini")), QByteArray("1,2,3,4,5,6,7,8,9,10\r\n"));
}

void ChainFilesTest::writerLayout() {
    ChainData data = latestDraw({7, 12, 20, 23, 27, 29});
    data.lastKai = 2037;
    data.set(1, 1, 35);
    data.set(43, 43, 255);
    int records = 0;
    const QByteArray bytes =
        rensaFileBytes(data.lastKai, data.lastNumbers, data.chain, [&records] { ++records; });
    QCOMPARE(records, 1 + 1849);
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 45);  // 44 lines and nothing after the last line end
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(lines[0], QByteArray("2037,7,12,20,23,27,29\r"));
    QVERIFY(lines[1].startsWith("35,0,0,"));
    QVERIFY(lines[43].endsWith(",0,255\r"));
    QCOMPARE(lines[1].count(','), 42);
}

QTEST_GUILESS_MAIN(ChainFilesTest)
#include "tst_chainfiles.moc"
