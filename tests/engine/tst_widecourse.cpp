// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "engine/predictionrun.h"
#include "engine/widecourse.h"
#include "runfixture.h"

using namespace kuji6;
using kuji6::test::RunFixture;

namespace {

void runWide(RunFixture& run, int favourite, const QString& lines, const QList<int>& draws) {
    run.state.randomLimit = 20000;
    run.rules.settings.drawRatePercent = QStringLiteral("15");
    run.random.pushNumbers(draws);
    RunContext context = run.context();
    runWideCourse(context, static_cast<Byte>(favourite), lines);
}

QList<int> range(int first, int last) {
    QList<int> numbers;
    for (int n = first; n <= last; ++n) {
        numbers << n;
    }
    return numbers;
}

}  // namespace

class WideCourseTest : public QObject {
    Q_OBJECT
  private slots:
    void fiveCombinations();
    void favouriteDrawnRedrawsTheRest();
    void rejectedLineRedrawsOnlyItsPositions();
    void aLineThatChangedIsTestedAgain();
    void sixCombinationsFailTheRun();
    void noCombination();
};

void WideCourseTest::fiveCombinations() {
    RunFixture run;
    // 1..26 without the favourite 13, with 5 again in place of 22: drawn anew as 27.
    QList<int> draws = range(1, 12) + range(14, 26);
    draws[20] = 5;
    draws << 27;
    runWide(run, 13, QStringLiteral("5"), draws);
    QCOMPARE(run.filledLines(), (QStringList{"1 2 3 4 5 13", "6 7 8 9 10 13", "11 12 13 14 15 16",
                                             "13 17 18 19 20 21", "13 23 24 25 26 27"}));
    QCOMPARE(run.state.randomCount, 26);
    QCOMPARE(run.rules.shows, 1);
    QCOMPARE(run.sheet.pageText(), QStringLiteral("1/1page"));
    QVERIFY(!run.random.exhausted && run.random.values.empty());
}

void WideCourseTest::favouriteDrawnRedrawsTheRest() {
    RunFixture run;
    // Two lines; position 3 holds the favourite: positions 3..10 are drawn again.
    runWide(run, 40, QStringLiteral("2"),
            QList<int>{1, 2, 40, 4, 5, 6, 7, 8, 9, 10} + range(11, 18));
    QCOMPARE(run.filledLines(), (QStringList{"1 2 11 12 13 40", "14 15 16 17 18 40"}));
    QCOMPARE(run.state.randomCount, 18);
}

void WideCourseTest::rejectedLineRedrawsOnlyItsPositions() {
    RunFixture run;
    run.rules.settings.method[0] = true;
    run.rules.settings.sevenGroupOption[1] = true;  // no group more than three numbers
    // Line 1 holds four A numbers: only positions 6..10 are drawn again.
    runWide(run, 2, QStringLiteral("3"),
            QList<int>{3, 4, 5, 6, 7, 1, 8, 15, 22, 9} + range(10, 14) + range(16, 20));
    QCOMPARE(run.filledLines(),
             (QStringList{"2 3 4 5 6 7", "2 16 17 18 19 20", "2 10 11 12 13 14"}));
    QCOMPARE(run.state.randomCount, 20);
}

void WideCourseTest::aLineThatChangedIsTestedAgain() {
    RunFixture run;
    run.rules.settings.method[0] = true;
    run.rules.settings.sevenGroupOption[1] = true;  // no group more than three numbers
    // Pass 1: both lines pass, but position 5 holds the favourite, so positions 5..10 are
    // drawn again. Pass 2 gives line 0 a fourth A number: line 0 changed and fails now, while
    // line 1 passes again. Pass 3 redraws line 0.
    runWide(run, 9, QStringLiteral("2"),
            QList<int>{1, 8, 15, 3, 9, 10, 11, 12, 13, 14} + QList<int>{22, 10, 11, 12, 13, 14} +
                range(16, 20));
    QCOMPARE(run.filledLines(), (QStringList{"9 16 17 18 19 20", "9 10 11 12 13 14"}));
    QCOMPARE(run.state.randomCount, 21);
}

void WideCourseTest::sixCombinationsFailTheRun() {
    RunFixture run;
    run.random.pushFiller(1);
    run.random.pushNumbers(range(1, 30));
    RunContext context = run.context();
    startRun(context, run.clock,
             {QStringLiteral("20000"), QStringLiteral("43"), QStringLiteral("6"),
              QStringLiteral("1"), QStringLiteral("1"), Course::Wide});
    QCOMPARE(run.prompter.texts(), QStringList{"入力条件にエラーがあります。"});
    QCOMPARE(run.filledLines(), QStringList{});
}

void WideCourseTest::noCombination() {
    RunFixture off;
    runWide(off, 7, QStringLiteral("0"), {});
    QCOMPARE(off.filledLines(), QStringList{});
    QCOMPARE(off.rules.shows, 1);

    RunFixture on;
    on.rules.settings.method[0] = true;
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, runWide(on, 7, QStringLiteral("0"), {}));
}

QTEST_GUILESS_MAIN(WideCourseTest)
#include "tst_widecourse.moc"
