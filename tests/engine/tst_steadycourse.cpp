// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "engine/steadycourse.h"
#include "runfixture.h"

using namespace kuji6;
using kuji6::test::RunFixture;

namespace {

void runSteady(RunFixture& run, int favourite, const QList<int>& draws) {
    run.state.randomLimit = 20000;
    run.rules.settings.drawRatePercent = QStringLiteral("15");
    run.random.pushNumbers(draws);
    RunContext context = run.context();
    runSteadyCourse(context, static_cast<Byte>(favourite));
    QVERIFY(!run.random.exhausted);
    QVERIFY(run.random.values.empty());
}

QList<int> drawnNumbers(const RunFixture& run) {
    QList<int> numbers;
    for (int p = 1; p <= 6; ++p) {
        numbers << run.state.candidate[p];
    }
    return numbers;
}

}  // namespace

class SteadyCourseTest : public QObject {
    Q_OBJECT
  private slots:
    void onePassGivesSevenLines();
    void redraws_data();
    void redraws();
    void positionSixIsNeverTestedByTheGroups();
    void contradictionWritesNoLine();
    void limiterWritesNoLine();
    void chainMethodReloadsTheChainList();
    void badPercentageFails();
};

void SteadyCourseTest::onePassGivesSevenLines() {
    RunFixture run;
    runSteady(run, 7, {1, 2, 3, 4, 5, 6});
    QCOMPARE(run.state.randomCount, 6);
    QCOMPARE(run.filledLines(),
             (QStringList{"1 2 3 4 5 6", "1 2 3 4 5 7", "1 2 3 4 6 7", "1 2 3 5 6 7", "1 2 4 5 6 7",
                          "1 3 4 5 6 7", "2 3 4 5 6 7"}));
    QVERIFY(run.sheet.nextEnabled());
    QCOMPARE(run.sheet.pageText(), QStringLiteral("1/2page"));
    QCOMPARE(run.rules.shows, 1);
    QCOMPARE(run.display.values.last(), 20000);  // the bar swept to the end
}

void SteadyCourseTest::redraws_data() {
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("favourite at position 3: positions 3 to 6 again")
        << QList<int>{1, 2, 7, 4, 5, 6, 8, 9, 10, 11} << QList<int>{1, 2, 8, 9, 10, 11};
    QTest::newRow("the same number at positions 2 and 5: position 5 again")
        << QList<int>{1, 2, 3, 4, 2, 6, 9} << QList<int>{1, 2, 3, 4, 9, 6};
}

void SteadyCourseTest::redraws() {
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, numbers);
    RunFixture run;
    runSteady(run, 7, draws);
    QCOMPARE(drawnNumbers(run), numbers);
    QCOMPARE(run.state.randomCount, draws.size());
    QCOMPARE(run.filledLines().size(), 7);
}

void SteadyCourseTest::positionSixIsNeverTestedByTheGroups() {
    RunFixture run;
    run.rules.settings.method[0] = true;
    run.rules.settings.sevenGroupOption[1] = true;  // no group more than three numbers
    // Positions 1..5 hold three A numbers, with the favourite 29 four: rejected. Position 6
    // holds a fifth A number and keeps it, since it is never tested.
    runSteady(run, 29, {1, 8, 15, 2, 3, 22, 2, 3, 4, 5, 6});
    QCOMPARE(drawnNumbers(run), (QList<int>{2, 3, 4, 5, 6, 22}));
    QCOMPARE(run.state.randomCount, 11);
}

void SteadyCourseTest::contradictionWritesNoLine() {
    RunFixture run;
    run.rules.settings.method[0] = true;
    run.rules.settings.excludedGroup[2] = true;  // C, the favourite's group
    runSteady(run, 3, {1, 2, 4, 5, 6, 7});
    QCOMPARE(run.state.runStatus, RunStatus::Stop);
    QCOMPARE(run.filledLines(), QStringList{});
    QCOMPARE(run.prompter.texts(), QStringList{"任意数字と外したいグループが同一です。"});
    QCOMPARE(run.rules.shows, 1);
    QVERIFY(!run.sheet.nextEnabled());
}

void SteadyCourseTest::limiterWritesNoLine() {
    RunFixture run;
    run.rules.settings.drawRatePercent = QStringLiteral("15");
    run.state.randomLimit = 7;
    run.random.pushNumbers({1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 6});
    RunContext context = run.context();
    runSteadyCourse(context, 7);
    QCOMPARE(run.state.limiterTripped, Byte{1});
    QCOMPARE(run.state.randomCount, 11);
    QCOMPARE(run.filledLines(), QStringList{});
    QCOMPARE(run.prompter.texts(), QStringList{"条件が厳しすぎます。条件を見直してください。"});
}

void SteadyCourseTest::chainMethodReloadsTheChainList() {
    RunFixture run;
    run.rules.settings.method[1] = true;
    runSteady(run, 7, {1, 2, 3, 4, 5, 6});
    QCOMPARE(run.display.nextDraw, QStringLiteral("2038"));
    QVERIFY(QFile::exists(run.dir.folder().rensFile()));
    // Chain on and draw-rate off: numbers outside the chain list are kept all the same.
    QCOMPARE(run.filledLines().size(), 7);
}

void SteadyCourseTest::badPercentageFails() {
    RunFixture run;
    run.state.randomLimit = 20000;
    run.rules.settings.drawRatePercent = QStringLiteral("256");
    RunContext context = run.context();
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, runSteadyCourse(context, 7));
}

QTEST_GUILESS_MAIN(SteadyCourseTest)
#include "tst_steadycourse.moc"
