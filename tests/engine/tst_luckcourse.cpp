// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "engine/limiter.h"
#include "engine/linestore.h"
#include "engine/luckcourse.h"
#include "runfixture.h"

using namespace kuji6;
using kuji6::test::RunFixture;

class LuckCourseTest : public QObject {
    Q_OBJECT
  private slots:
    void lines_data();
    void lines();
    void limiterTripsAfterTheLines();
    void tooManyCombinations();
    void storeLineSorts();
    void sweep_data();
    void sweep();
    void searchGoingOnShowsTheCount();
    void numberAndDiceFormulas();
};

void LuckCourseTest::lines_data() {
    QTest::addColumn<int>("favourite");
    QTest::addColumn<QString>("combinations");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one combination")
        << 7 << "1" << QList<int>{5, 43, 12, 1, 30} << QStringList{"1 5 7 12 30 43"};
    QTest::newRow("a repeat throws all five away")
        << 7 << "1" << QList<int>{5, 9, 12, 9, 30, 2, 3, 4, 6, 8} << QStringList{"2 3 4 6 7 8"};
    QTest::newRow("the favourite drawn throws all five away")
        << 7 << "1" << QList<int>{1, 2, 3, 4, 7, 10, 11, 12, 13, 14}
        << QStringList{"7 10 11 12 13 14"};
    QTest::newRow("favourite 1 starts every line")
        << 1 << "2" << QList<int>{5, 43, 12, 2, 30, 9, 8, 7, 6, 5}
        << QStringList{"1 2 5 12 30 43", "1 5 6 7 8 9"};
    QTest::newRow("favourite 43 ends every line")
        << 43 << "1" << QList<int>{5, 42, 12, 1, 30} << QStringList{"1 5 12 30 42 43"};
    QTest::newRow("no combination") << 7 << "0" << QList<int>{} << QStringList{};
    QTest::newRow("lines may repeat each other")
        << 7 << "2" << QList<int>{1, 2, 3, 4, 5, 1, 2, 3, 4, 5}
        << QStringList{"1 2 3 4 5 7", "1 2 3 4 5 7"};
}

void LuckCourseTest::lines() {
    QFETCH(int, favourite);
    QFETCH(QString, combinations);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, expected);
    RunFixture run;
    run.state.randomLimit = 20000;
    run.random.pushNumbers(draws);
    RunContext context = run.context();
    runLuckCourse(context, static_cast<Byte>(favourite), combinations);
    QCOMPARE(run.filledLines(), expected);
    QCOMPARE(run.state.randomCount, draws.size());
    QVERIFY(!run.random.exhausted);
    QCOMPARE(run.rules.unloads, 1);
    QCOMPARE(run.state.limiterTripped, Byte{0});
}

void LuckCourseTest::limiterTripsAfterTheLines() {
    RunFixture run;
    run.state.randomLimit = 4;
    run.random.pushNumbers({5, 43, 12, 1, 30});
    RunContext context = run.context();
    runLuckCourse(context, 7, QStringLiteral("1"));
    QCOMPARE(run.prompter.texts(), QStringList{"条件が厳しすぎます。条件を見直してください。"});
    QCOMPARE(run.prompter.shown[0].title, QStringLiteral("注意!"));
    QCOMPARE(run.prompter.shown[0].icon, MessageIcon::Warning);
    QCOMPARE(run.display.comment, QStringLiteral("乱数リミッターが作動しました"));
    QVERIFY(run.display.commentVisible && !run.display.progressVisible && !run.display.busy);
    QCOMPARE(run.state.limiterTripped, Byte{1});
    // The rule settings flash up and are closed again at the end of the course.
    QCOMPARE(run.rules.shows, 1);
    QCOMPARE(run.rules.unloads, 1);
    QCOMPARE(run.filledLines(), QStringList{"1 5 7 12 30 43"});
}

void LuckCourseTest::tooManyCombinations() {
    RunFixture run;
    run.state.randomLimit = 20000;
    for (int line = 0; line < 11; ++line) {
        run.random.pushNumbers({1, 2, 3, 4, 5});
    }
    RunContext context = run.context();
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, runLuckCourse(context, 7, QStringLiteral("11")));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, runLuckCourse(context, 7, QStringLiteral("x")));
}

void LuckCourseTest::storeLineSorts() {
    RunFixture run;
    storeLine(run.state, run.sheet, {5, 43, 12, 1, 30, 7}, 3);
    QCOMPARE(run.line(3), QStringLiteral("1 5 7 12 30 43"));
    QCOMPARE(run.state.workFlag, Byte{3});  // the rank of the last number, 7
    // sortedLine's own entries may be handed back in.
    const auto& s = run.state.sortedLine;
    storeLine(run.state, run.sheet, {s[6], s[5], s[4], s[3], s[2], s[1]}, 9);
    QCOMPARE(run.line(9), QStringLiteral("1 5 7 12 30 43"));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, storeLine(run.state, run.sheet, {1, 2, 3, 4, 5, 6}, 10));
}

void LuckCourseTest::sweep_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("updates");  // values given to the bar, the final one included
    QTest::newRow("20000 from 30") << 20000 << 30 << 2497;
    QTest::newRow("5000 from 0") << 5000 << 0 << 2501;
    QTest::newRow("limit reached already") << 5000 << 5000 << 1;
    QTest::newRow("1250: the step rounds away") << 1250 << 7 << 2;
    QTest::newRow("100: the step rounds away") << 100 << 6 << 1;
    QTest::newRow("3750: step 1.5 rounds to steps of 2") << 3750 << 0 << 1876;
}

void LuckCourseTest::sweep() {
    QFETCH(int, limit);
    QFETCH(int, from);
    QFETCH(int, updates);
    test::FakeDisplay bar;
    sweepProgress(bar, limit, from);
    QCOMPARE(bar.values.size(), updates);
    QCOMPARE(bar.values.last(), limit);
    QVERIFY(std::is_sorted(bar.values.begin(), bar.values.end()));
}

void LuckCourseTest::searchGoingOnShowsTheCount() {
    RunFixture run;
    run.state.randomLimit = 100;
    run.state.workFlag = 0;
    RunContext context = run.context();
    checkRandomLimit(context, 42);
    QCOMPARE(run.display.values, QList<int>{42});
    checkRandomLimit(context, 100);
    QCOMPARE(run.state.limiterTripped, Byte{0});
    checkRandomLimit(context, 101);
    QCOMPARE(run.state.limiterTripped, Byte{1});
}

void LuckCourseTest::numberAndDiceFormulas() {
    const float justBelowOne = 16777215.0f / 16777216.0f;
    QCOMPARE(lotteryNumber(0.0f), Byte{1});
    QCOMPARE(lotteryNumber(justBelowOne), Byte{43});
    QCOMPARE(percentDice(0.0f), Byte{1});
    QCOMPARE(percentDice(justBelowOne), Byte{100});
    for (int n = 1; n <= 43; ++n) {
        QCOMPARE(lotteryNumber(test::valueForNumber(n)), Byte(n));
    }
    // The program's own source starts where the standard Mersenne Twister starts.
    MersenneSource source;
    QCOMPARE(source.next(), static_cast<float>(3499211612u >> 8) / 16777216.0f);
}

QTEST_GUILESS_MAIN(LuckCourseTest)
#include "tst_luckcourse.moc"
