// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "programfolderfixture.h"
#include "sheets/predictionfile.h"

using namespace kuji6;
using kuji6::test::ProgramFolderFixture;

namespace {

Sheet::Line lineOf(std::initializer_list<int> numbers) {
    Sheet::Line line;
    std::size_t k = 0;
    for (int n : numbers) {
        line[k++] = QString::number(n);
    }
    return line;
}

// What tests/fixtures/steady-152.txt holds after its settings lines.
PredictionFileContents steady152() {
    PredictionFileContents contents;
    contents.lines = {lineOf({3, 12, 19, 25, 33, 41}), lineOf({3, 7, 12, 19, 25, 33}),
                      lineOf({3, 7, 12, 19, 25, 41}),  lineOf({3, 7, 12, 19, 33, 41}),
                      lineOf({3, 7, 12, 25, 33, 41}),  lineOf({3, 7, 19, 25, 33, 41}),
                      lineOf({7, 12, 19, 25, 33, 41})};
    contents.drawNumber = QStringLiteral("152");
    contents.date = QStringLiteral("2001/06/10");
    contents.courseIndex = 1;
    contents.favourite = QStringLiteral("7");
    contents.combinations = QStringLiteral("1");
    contents.units = QStringLiteral("2");
    contents.consecutiveDraws = QStringLiteral("1");
    contents.randomLimit = QStringLiteral("20000");
    return contents;
}

RuleSettings drawRateAt15() {
    RuleSettings live;
    live.method[2] = true;
    live.drawRatePercent = QStringLiteral("15");
    live.drawRateDirection = QStringLiteral("以上");
    return live;
}

PredictionFileContents load(const QByteArray& bytes, RuleRecord& ruleBuffer) {
    ProgramFolderFixture dir;
    dir.write(QStringLiteral("p.txt"), bytes);
    return loadPredictionFile(dir.path(QStringLiteral("p.txt")), ruleBuffer);
}

}  // namespace

class PredictionFileTest : public QObject {
    Q_OBJECT
  private slots:
    void writesTheExample();
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void proposedName();
};

void PredictionFileTest::writesTheExample() {
    QCOMPARE(predictionFileBytes(drawRateAt15(), steady152()),
             test::fixture(QStringLiteral("steady-152.txt")));
}

void PredictionFileTest::reads_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray example = test::fixture(QStringLiteral("steady-152.txt"));
    QTest::newRow("the example") << example;
    QTest::newRow("lines joined into one") << QByteArray(example).replace("\r\n", ",");
    QTest::newRow("trailing content ignored") << example + "\"more\",1,2\r\n";
}

void PredictionFileTest::reads() {
    QFETCH(QByteArray, bytes);
    RuleRecord ruleBuffer;
    QCOMPARE(load(bytes, ruleBuffer), steady152());
    QCOMPARE(ruleBuffer.methodSwitch, (std::array<qint16, 3>{0, 0, 1}));
    QCOMPARE(ruleBuffer.drawRateDirection, QStringLiteral("以上"));
}

void PredictionFileTest::refuses_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray example = test::fixture(QStringLiteral("steady-152.txt"));
    QTest::newRow("an options file") << example.left(example.indexOf("\"3\""));
    QTest::newRow("ends in line 14") << example.left(example.lastIndexOf(','));
    QTest::newRow("course index 3") << QByteArray(example).replace("\",1,\"7\"", "\",3,\"7\"");
    QTest::newRow("course index -1") << QByteArray(example).replace("\",1,\"7\"", "\",-1,\"7\"");
    QTest::newRow("course index beyond 16 bits")
        << QByteArray(example).replace("\",1,\"7\"", "\",40000,\"7\"");
    QTest::newRow("wrong header word") << QByteArray(example).replace("kuji6", "kuji7");
    QTest::newRow("empty") << QByteArray();
}

void PredictionFileTest::refuses() {
    QFETCH(QByteArray, bytes);
    RuleRecord ruleBuffer;
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, load(bytes, ruleBuffer));
}

void PredictionFileTest::proposedName() {
    QCOMPARE(proposedFileName(QStringLiteral("152")), QStringLiteral("152回予想.txt"));
    QCOMPARE(proposedFileName(QString()), QStringLiteral("回予想.txt"));
}

QTEST_GUILESS_MAIN(PredictionFileTest)
#include "tst_predictionfile.moc"
