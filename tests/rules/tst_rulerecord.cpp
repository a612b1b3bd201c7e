// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "programfolderfixture.h"
#include "rules/rulerecord.h"

using namespace kuji6;
using kuji6::test::ProgramFolderFixture;

namespace {

// CP932 bytes of the header word and of 以上.
const QByteArray kHeader = "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\"";
const QByteArray kAbove = "\"\x88\xc8\x8f\xe3\"";

RuleSettings exampleSettings() {
    RuleSettings live;
    live.method = {true, false, true};
    live.drawRatePercent = QStringLiteral("15");
    live.drawRateDirection = QStringLiteral("以上");
    live.sevenGroupOption = {false, true, false, false};
    live.excludedGroup = {false, false, true, false, false, true, false};
    return live;
}

RuleRecord exampleRecord() {
    RuleRecord record;
    record.methodSwitch = {1, 0, 1};
    record.drawRatePercent = 15;
    record.drawRateDirection = QStringLiteral("以上");
    record.sevenGroupOption = {0, 1, 0, 0};
    record.excludedGroup = {0, 0, 1, 0, 0, 1, 0};
    return record;
}

const QByteArray kExampleFile = kHeader + ",1,0,1,15," + kAbove + ",0,1,0,0\r\n0,0,1,0,0,1,0\r\n";

}  // namespace

Q_DECLARE_METATYPE(kuji6::RuleRecord)

QT_BEGIN_NAMESPACE
namespace QTest {
template <>
char* toString(const RuleRecord& r) {
    return qstrdup(qPrintable(
        QStringLiteral("switch %1%2%3 percent %4 '%5' options %6%7%8%9 out %10%11%12%13%14%15%16")
            .arg(r.methodSwitch[0])
            .arg(r.methodSwitch[1])
            .arg(r.methodSwitch[2])
            .arg(r.drawRatePercent)
            .arg(r.drawRateDirection)
            .arg(r.sevenGroupOption[0])
            .arg(r.sevenGroupOption[1])
            .arg(r.sevenGroupOption[2])
            .arg(r.sevenGroupOption[3])
            .arg(r.excludedGroup[0])
            .arg(r.excludedGroup[1])
            .arg(r.excludedGroup[2])
            .arg(r.excludedGroup[3])
            .arg(r.excludedGroup[4])
            .arg(r.excludedGroup[5])
            .arg(r.excludedGroup[6])));
}
}  // namespace QTest
QT_END_NAMESPACE

class RuleRecordTest : public QObject {
    Q_OBJECT
  private slots:
    void writesTheExample();
    void writesTheAllOffRecord();
    void percentage_data();
    void percentage();
    void reads_data();
    void reads();
    void readFailures_data();
    void readFailures();
    void badPercentageLeavesTheOldFile();
};

void RuleRecordTest::writesTheExample() {
    ProgramFolderFixture dir;
    saveOptionsFile(dir.folder().optionsFile(), exampleSettings());
    QCOMPARE(dir.read(QStringLiteral("option.ini")), kExampleFile);
    RuleRecord back;
    loadOptionsFile(dir.folder().optionsFile(), back);
    QCOMPARE(back, exampleRecord());
}

void RuleRecordTest::writesTheAllOffRecord() {
    RuleSettings off;
    off.drawRatePercent = QStringLiteral("0");
    FieldWriter out;
    writeSettingsLines(out, off);
    QCOMPARE(out.bytes(), kHeader + ",0,0,0,0,\"\",0,0,0,0\r\n0,0,0,0,0,0,0\r\n");
}

void RuleRecordTest::percentage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");  // empty: writing fails
    QTest::addColumn<bool>("readsBack");
    QTest::newRow("12.9 rounds down") << "12.9" << QByteArray("12") << true;
    QTest::newRow("150") << "150" << QByteArray("150") << true;
    QTest::newRow("40000 does not read back") << "40000" << QByteArray("40000") << false;
    QTest::newRow("empty") << "" << QByteArray() << false;
    QTest::newRow("letters") << "abc" << QByteArray() << false;
}

void RuleRecordTest::percentage() {
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QFETCH(bool, readsBack);
    RuleSettings live = exampleSettings();
    live.drawRatePercent = text;
    FieldWriter out;
    if (written.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, writeSettingsLines(out, live));
        QVERIFY(out.bytes().isEmpty());
        return;
    }
    writeSettingsLines(out, live);
    QVERIFY(out.bytes().contains(",1,0,1," + written + ","));
    RuleRecord back;
    FieldReader in(out.bytes());
    if (readsBack) {
        readSettingsLines(in, back);
        QCOMPARE(QByteArray::number(back.drawRatePercent), written);
    } else {
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, readSettingsLines(in, back));
    }
}

void RuleRecordTest::reads_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<RuleRecord>("expected");
    QTest::newRow("the example") << kExampleFile << exampleRecord();
    QTest::newRow("all on one line")
        << QByteArray(kExampleFile).replace("0\r\n0", "0,0") << exampleRecord();
    QTest::newRow("one field per line")
        << QByteArray(kExampleFile).replace(",", "\r\n") << exampleRecord();
    QTest::newRow("trailing content ignored") << kExampleFile + "1,1,1\r\nmore" << exampleRecord();
    RuleRecord letter = exampleRecord();
    letter.methodSwitch[0] = 0;
    QTest::newRow("a letter in a check state reads 0")
        << QByteArray(kExampleFile).replace(",1,0,1,", ",x,0,1,") << letter;
}

void RuleRecordTest::reads() {
    QFETCH(QByteArray, file);
    QFETCH(RuleRecord, expected);
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("option.ini"), file);
    RuleRecord record;
    loadOptionsFile(dir.folder().optionsFile(), record);
    QCOMPARE(record, expected);
}

void RuleRecordTest::readFailures_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("kind");
    QTest::newRow("capital K") << QByteArray(kExampleFile).replace("kuji6", "Kuji6")
                               << int(FaultKind::WrongHeader);
    QTest::newRow("ends after line 1")
        << kExampleFile.left(kExampleFile.indexOf('\n') + 1) << int(FaultKind::PastEndOfFile);
    QTest::newRow("percentage 40000")
        << QByteArray(kExampleFile).replace(",15,", ",40000,") << int(FaultKind::Overflow);
    QTest::newRow("empty") << QByteArray() << int(FaultKind::PastEndOfFile);
}

void RuleRecordTest::readFailures() {
    QFETCH(QByteArray, file);
    QFETCH(int, kind);
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("option.ini"), file);
    RuleRecord record;
    try {
        loadOptionsFile(dir.folder().optionsFile(), record);
        QFAIL("a bad option.ini was read");
    } catch (const RuntimeFault& fault) {
        QCOMPARE(int(fault.kind()), kind);
    }
    if (kind == int(FaultKind::PastEndOfFile) && !file.isEmpty()) {
        // The fields of line 1 were stored as they were read.
        QCOMPARE(record.methodSwitch, (std::array<qint16, 3>{1, 0, 1}));
        QCOMPARE(record.drawRateDirection, QStringLiteral("以上"));
    }
}

void RuleRecordTest::badPercentageLeavesTheOldFile() {
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("option.ini"), kExampleFile);
    RuleSettings live = exampleSettings();
    live.drawRatePercent.clear();
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, saveOptionsFile(dir.folder().optionsFile(), live));
    QCOMPARE(dir.read(QStringLiteral("option.ini")), kExampleFile);
}

QTEST_GUILESS_MAIN(RuleRecordTest)
#include "tst_rulerecord.moc"
