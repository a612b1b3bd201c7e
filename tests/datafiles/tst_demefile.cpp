// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "datafiles/demefile.h"
#include "programfolderfixture.h"

using namespace kuji6;
using kuji6::test::ProgramFolderFixture;

namespace {

// A deme.ini for draw `kai`: number n has the rate n + 10 and its group from the group list.
QByteArray demeFile(int kai, const QByteArray& separator = ",", const QByteArray& lineEnd = "\r\n",
                    int records = 43) {
    QByteArray bytes = QByteArray::number(kai) + separator + "0" + lineEnd;
    for (int n = 1; n <= records; ++n) {
        bytes +=
            QByteArray::number(n + 10) + separator + QByteArray::number((n - 1) % 7 + 1) + lineEnd;
    }
    return bytes;
}

}  // namespace

class DemeFileTest : public QObject {
    Q_OBJECT
  private slots:
    void loadsAllLayouts_data();
    void loadsAllLayouts();
    void failures_data();
    void failures();
    void valuesBeforeAFailureStay();
    void writerLayout();
    void probeReadsOnlyTheHeader();
};

void DemeFileTest::loadsAllLayouts_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kai");
    QTest::newRow("44 lines") << demeFile(65) << 65;
    QTest::newRow("blanks after the commas") << demeFile(65, ",  ") << 65;
    QTest::newRow("all on one line") << demeFile(65, ",", ",") << 65;
    QTest::newRow("lines after the 44th ignored") << demeFile(65) + "garbage,999\r\n" << 65;
    QTest::newRow("draw number above 255") << demeFile(300) << 300;
    QTest::newRow("the shipped data") << test::shippedData(QStringLiteral("deme.ini")) << 2037;
}

void DemeFileTest::loadsAllLayouts() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, kai);
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("data/deme.ini"), bytes);
    DrawData state;
    readDemeFile(state, dir.folder().demeFile());
    QCOMPARE(state.demeKai, kai);
    if (kai != 2037) {
        QCOMPARE(state.drawRate[1], Byte{11});
        QCOMPARE(state.drawRate[43], Byte{53});
    }
    // The data carries the group list: 43 is in group A, 42 in group G.
    QCOMPARE(state.numGroup[43], Byte{1});
    QCOMPARE(state.numGroup[42], Byte{7});
}

void DemeFileTest::failures_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::newRow("only 43 lines")
        << demeFile(65, ",", "\r\n", 42) << int(FaultKind::PastEndOfFile);
    QTest::newRow("a rate of 256")
        << demeFile(65).replace("11,1", "256,1") << int(FaultKind::Overflow);
    QTest::newRow("a rate that is not a number")
        << demeFile(65).replace("11,1", "x,1") << int(FaultKind::TypeMismatch);
    QTest::newRow("draw number beyond 16 bits") << demeFile(40000) << int(FaultKind::Overflow);
}

void DemeFileTest::failures() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("data/deme.ini"), bytes);
    DrawData state;
    try {
        readDemeFile(state, dir.folder().demeFile());
        QFAIL("a bad deme.ini was read");
    } catch (const RuntimeFault& fault) {
        QCOMPARE(int(fault.kind()), kind);
        QCOMPARE(fault.file(), dir.folder().demeFile());
    }
}

void DemeFileTest::valuesBeforeAFailureStay() {
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("data/deme.ini"), demeFile(65).replace("30,6", "999,6"));
    DrawData state;
    state.drawRate[43] = 77;
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, readDemeFile(state, dir.folder().demeFile()));
    QCOMPARE(state.drawRate[19], Byte{29});  // read before the bad value of number 20
    QCOMPARE(state.drawRate[43], Byte{77});  // never reached
}

void DemeFileTest::writerLayout() {
    DrawRates rates;
    NumberGroups groups;
    for (int n = 1; n <= 43; ++n) {
        rates[n] = static_cast<Byte>(n + 10);
        groups[n] = static_cast<Byte>((n - 1) % 7 + 1);
    }
    int records = 0;
    QCOMPARE(demeFileBytes(65, rates, groups, [&records] { ++records; }), demeFile(65));
    QCOMPARE(records, 43);
}

void DemeFileTest::probeReadsOnlyTheHeader() {
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("data/deme.ini"), "300,0\r\n");
    probeDemeFile(dir.folder().demeFile());
    dir.write(QStringLiteral("data/deme.ini"), "40000,0\r\n");
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, probeDemeFile(dir.folder().demeFile()));
    dir.remove(QStringLiteral("data/deme.ini"));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, probeDemeFile(dir.folder().demeFile()));
}

QTEST_GUILESS_MAIN(DemeFileTest)
#include "tst_demefile.moc"
