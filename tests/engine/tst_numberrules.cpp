// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "engine/numberrules.h"
#include "runfixture.h"

using namespace kuji6;
using kuji6::test::RunFixture;

namespace {

RuleSettings methods(bool chain, bool drawRate, const QString& direction = QStringLiteral("以上")) {
    RuleSettings rules;
    rules.method = {false, chain, drawRate};
    rules.drawRateDirection = direction;
    return rules;
}

}  // namespace

class NumberRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void chainRule();
    void chainOnDrawRateOffAcceptsEverything();
    void drawRate_data();
    void drawRate();
    void wideRangePositions();
};

void NumberRulesTest::chainRule() {
    RunFixture run;
    for (int i = 1; i <= 10; ++i) {
        run.state.rensaTable[i] = static_cast<Byte>(30 + i);
    }
    const std::uint64_t chainOn = chainAcceptedNumbers(run.state, methods(true, false));
    QCOMPARE(chainFlag(chainOn, 35), Byte{1});
    QCOMPARE(chainFlag(chainOn, 3), Byte{0});
    QCOMPARE(chainFlag(chainAcceptedNumbers(run.state, methods(false, false)), 3), Byte{1});
}

void NumberRulesTest::chainOnDrawRateOffAcceptsEverything() {
    RunFixture run;
    RunContext context = run.context();
    checkDrawRateRule(context, methods(true, false), Course::Steady, 0);
    for (int p = 1; p <= 6; ++p) {
        QCOMPARE(run.state.posAccepted[p], Byte{1});
    }
    QCOMPARE(run.state.posAccepted[7], Byte{0});
    QVERIFY(run.random.values.empty() && !run.random.exhausted);  // no dice
}

void NumberRulesTest::drawRate_data() {
    QTest::addColumn<QString>("direction");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<int>("rate");
    QTest::addColumn<bool>("chainAccepted");
    QTest::addColumn<int>("dice");  // 0: no dice may be drawn
    QTest::addColumn<bool>("accepted");
    QTest::newRow("以上 0 takes every rate") << "以上" << 0 << 0 << false << 100 << true;
    QTest::newRow("以上 20, rate 20") << "以上" << 20 << 20 << false << 100 << true;
    QTest::newRow("以上 20, rate 10, dice 9") << "以上" << 20 << 10 << false << 9 << true;
    QTest::newRow("以上 20, rate 10, dice 10") << "以上" << 20 << 10 << false << 10 << false;
    QTest::newRow("以下 10, rate 0") << "以下" << 10 << 0 << false << 100 << true;
    QTest::newRow("以下 0, rate 1 never by the dice") << "以下" << 0 << 1 << false << 1 << false;
    QTest::newRow("以下 20, rate 100, dice 99") << "以下" << 20 << 100 << false << 99 << true;
    QTest::newRow("以下 20, rate 100, dice 100") << "以下" << 20 << 100 << false << 100 << false;
    QTest::newRow("no direction accepts nothing") << "" << 0 << 50 << false << 1 << false;
    QTest::newRow("accepted by the chain rule: never diced")
        << "以上" << 20 << 0 << true << 0 << true;
}

void NumberRulesTest::drawRate() {
    QFETCH(QString, direction);
    QFETCH(int, threshold);
    QFETCH(int, rate);
    QFETCH(bool, chainAccepted);
    QFETCH(int, dice);
    QFETCH(bool, accepted);
    RunFixture run;
    RunContext context = run.context();
    run.state.demeThreshold = static_cast<Byte>(threshold);
    run.state.drawRate[9] = static_cast<Byte>(rate);
    run.state.candidate[1] = 9;
    run.state.posAccepted[1] = chainAccepted ? 1 : 0;
    for (int p = 2; p <= 6; ++p) {
        run.state.posAccepted[p] = 1;  // only position 1 is examined
    }
    if (dice > 0) {
        run.random.pushDice({dice});
    }
    checkDrawRateRule(context, methods(true, true, direction), Course::Steady, 0);
    QCOMPARE(run.state.posAccepted[1], Byte(accepted ? 1 : 0));
    QVERIFY(run.random.values.empty() && !run.random.exhausted);
}

void NumberRulesTest::wideRangePositions() {
    RunFixture run;
    RunContext context = run.context();
    checkDrawRateRule(context, methods(false, false), Course::Wide, 5);
    QCOMPARE(run.state.posAccepted[25], Byte{1});
    checkDrawRateRule(context, methods(false, false), Course::Luck, 5);  // examines nothing
    QVERIFY_THROWS_EXCEPTION(RuntimeFault,
                             checkDrawRateRule(context, methods(false, false), Course::Wide, 6));
}

QTEST_GUILESS_MAIN(NumberRulesTest)
#include "tst_numberrules.moc"
