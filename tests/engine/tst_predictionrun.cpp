// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "engine/pageturns.h"
#include "engine/predictionrun.h"
#include "runfixture.h"

using namespace kuji6;
using kuji6::test::RunFixture;

namespace {

RunInputs luckInputs(const QString& favourite = QStringLiteral("7")) {
    return {QStringLiteral("20000"), favourite,           QStringLiteral("1"),
            QStringLiteral("1"),     QStringLiteral("1"), Course::Luck};
}

// Starts a run whose single warm-up draw (the clock stands at second 0) is followed by the
// given lottery numbers.
void start(RunFixture& run, const RunInputs& inputs, std::initializer_list<int> draws = {}) {
    run.random.pushFiller(1);
    run.random.pushNumbers(draws);
    RunContext context = run.context();
    startRun(context, run.clock, inputs);
}

const QString kErrorText = QStringLiteral("入力条件にエラーがあります。");

// A rule record that fails as a programming error would.
class BrokenRules final : public LiveRules {
  public:
    RuleSettings current() override { throw std::logic_error("broken"); }
    void show() override {}
    void unload() override {}
};

}  // namespace

Q_DECLARE_METATYPE(kuji6::RunInputs)

class PredictionRunTest : public QObject {
    Q_OBJECT
  private slots:
    void completesTheLuckCourse();
    void warmUpFollowsTheClock();
    void limitConfirmation_data();
    void limitConfirmation();
    void favouriteOutOfRange_data();
    void favouriteOutOfRange();
    void errorPath_data();
    void errorPath();
    void programmingErrorIsNoInputError();
    void favouriteIsTheCheckedWholeNumber();
    void moreThanTwoExcludedGroupsRefuseEveryCourse();
    void newRunReturnsToPageOne();
    void prices_data();
    void prices();
};

void PredictionRunTest::completesTheLuckCourse() {
    RunFixture run;
    start(run, luckInputs(), {5, 43, 12, 1, 30});
    QVERIFY(run.prompter.shown.isEmpty());
    QCOMPARE(run.filledLines(), QStringList{"1 5 7 12 30 43"});
    QCOMPARE(run.display.comment, QStringLiteral("5回乱数処理しました"));
    QVERIFY(run.display.commentVisible);
    QVERIFY(!run.display.progressVisible);
    QVERIFY(!run.display.busy);
    QCOMPARE(run.display.maximum, 20000);
    QCOMPARE(run.display.values.last(), 20000);
    QCOMPARE(run.display.price, QStringLiteral("200"));
    QVERIFY(run.display.saveEnabled);
    QCOMPARE(run.sheet.pageText(), QStringLiteral("1/1page"));
    QVERIFY(!run.sheet.nextEnabled() && !run.sheet.previousEnabled());
}

void PredictionRunTest::warmUpFollowsTheClock() {
    RunFixture run;
    run.clock.secondsValue = 59;
    run.random.pushFiller(59);  // with the one start() adds: 60 draws discarded
    start(run, luckInputs(), {5, 43, 12, 1, 30});
    QCOMPARE(run.filledLines(), QStringList{"1 5 7 12 30 43"});
    QCOMPARE(run.display.comment, QStringLiteral("5回乱数処理しました"));
    QVERIFY(!run.random.exhausted);
}

void PredictionRunTest::limitConfirmation_data() {
    QTest::addColumn<QString>("limit");
    QTest::addColumn<bool>("asked");
    QTest::newRow("100000 asks nothing") << "100000" << false;
    QTest::newRow("100001 asks") << "100001" << true;
}

void PredictionRunTest::limitConfirmation() {
    QFETCH(QString, limit);
    QFETCH(bool, asked);
    RunFixture run;
    RunInputs inputs = luckInputs();
    inputs.randomLimit = limit;
    run.prompter.answers = {MessageAnswer::Cancel};
    run.sheet.setLine(0, {"1", "2", "3", "4", "5", "6"});
    run.display.price = QStringLiteral("400");
    start(run, inputs, {5, 43, 12, 1, 30});
    if (!asked) {
        QVERIFY(run.prompter.shown.isEmpty());
        QCOMPARE(run.filledLines(), QStringList{"1 5 7 12 30 43"});
        return;
    }
    QCOMPARE(run.prompter.shown.size(), 1);
    const auto& question = run.prompter.shown[0];
    QCOMPARE(question.title, QStringLiteral("乱数リミット100001"));
    QCOMPARE(question.text, QStringLiteral("フリーズする可能性があります。よろしいですか？"));
    QCOMPARE(question.buttons, MessageButtons::OkCancel);
    QCOMPARE(question.icon, MessageIcon::Warning);
    QCOMPARE(run.display.comment, QStringLiteral("20000回がデフォルトです"));
    // Cancel changes nothing else: the old lines and price stay, nothing was drawn.
    QCOMPARE(run.filledLines(), QStringList{"1 2 3 4 5 6"});
    QCOMPARE(run.display.price, QStringLiteral("400"));
    QCOMPARE(run.random.values.size(), std::size_t{6});
}

void PredictionRunTest::favouriteOutOfRange_data() {
    QTest::addColumn<QString>("favourite");
    QTest::newRow("0") << "0";
    QTest::newRow("44") << "44";
    QTest::newRow("0.9") << "0.9";
    QTest::newRow("-1") << "-1";
}

void PredictionRunTest::favouriteOutOfRange() {
    QFETCH(QString, favourite);
    RunFixture run;
    start(run, luckInputs(favourite));
    QCOMPARE(run.prompter.texts(), QStringList{"クジ６って１～４３までなんだよねぇ"});
    QCOMPARE(run.prompter.shown[0].title, QStringLiteral("任意の数字"));
    QCOMPARE(run.display.comment, QStringLiteral("次はちゃんと選んでね"));
    QVERIFY(!run.display.saveEnabled);
}

void PredictionRunTest::errorPath_data() {
    QTest::addColumn<RunInputs>("inputs");
    QTest::addColumn<bool>("demeFile");
    RunInputs emptyFavourite = luckInputs(QString());
    RunInputs badLimit = luckInputs();
    badLimit.randomLimit = QStringLiteral("abc");
    RunInputs tooManyLines = luckInputs();
    tooManyLines.combinations = QStringLiteral("11");
    RunInputs badUnits = luckInputs();
    badUnits.units = QString();
    QTest::newRow("empty favourite") << emptyFavourite << true;
    QTest::newRow("limit not a number") << badLimit << true;
    QTest::newRow("no result line 10") << tooManyLines << true;
    QTest::newRow("units not a number") << badUnits << true;
    QTest::newRow("deme.ini missing") << luckInputs() << false;
}

void PredictionRunTest::errorPath() {
    QFETCH(RunInputs, inputs);
    QFETCH(bool, demeFile);
    RunFixture run;
    if (!demeFile) {
        run.dir.remove(QStringLiteral("data/deme.ini"));
    }
    run.sheet.setLine(0, {"1", "2", "3", "4", "5", "6"});
    for (int line = 0; line < 11; ++line) {
        run.random.pushNumbers({1, 2, 3, 4, 5});
    }
    start(run, inputs);
    QCOMPARE(run.prompter.texts(), QStringList{kErrorText});
    QCOMPARE(run.prompter.shown[0].title, QStringLiteral("注意!"));
    QCOMPARE(run.display.comment, QStringLiteral("エラーが発生しました"));
    QVERIFY(run.display.commentVisible && !run.display.progressVisible && !run.display.busy);
    QCOMPARE(run.filledLines(), QStringList{});
    QVERIFY(!run.display.saveEnabled);
}

void PredictionRunTest::programmingErrorIsNoInputError() {
    RunFixture run;
    BrokenRules broken;
    RunContext context{run.state,    run.random, run.sheet,       run.display,
                       run.prompter, broken,     run.dir.folder()};
    run.random.pushFiller(1);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, startRun(context, run.clock, luckInputs()));
    QVERIFY(run.prompter.shown.isEmpty());
}

void PredictionRunTest::favouriteIsTheCheckedWholeNumber() {
    RunFixture run;
    start(run, luckInputs(QStringLiteral("43.5")), {5, 42, 12, 1, 30});
    QCOMPARE(run.filledLines(), QStringList{"1 5 12 30 42 43"});
}

void PredictionRunTest::moreThanTwoExcludedGroupsRefuseEveryCourse() {
    RunFixture run;
    run.rules.settings.excludedGroup = {true, false, true, false, true, false, false};
    start(run, luckInputs());
    QCOMPARE(run.prompter.texts(), QStringList{"除外する色は２個までです"});
    QCOMPARE(run.prompter.shown[0].title, QStringLiteral("注意!"));
    QCOMPARE(run.display.comment, QStringLiteral("そんなに外したら選べないよ"));
    QCOMPARE(run.rules.shows, 1);
    QCOMPARE(run.random.values.size(), std::size_t{1});  // not even the warm-up was drawn

    RunFixture two;
    two.rules.settings.excludedGroup = {true, false, true, false, false, false, false};
    start(two, luckInputs(), {5, 43, 12, 1, 30});
    QVERIFY(two.prompter.shown.isEmpty());
}

void PredictionRunTest::newRunReturnsToPageOne() {
    RunFixture run;
    turnToNextPage(run.sheet, run.state);
    QCOMPARE(run.sheet.shownPage(), 2);
    start(run, luckInputs(), {5, 43, 12, 1, 30});
    QCOMPARE(run.sheet.shownPage(), 1);
    QCOMPARE(run.sheet.pageText(), QStringLiteral("1/1page"));
    QVERIFY(!run.sheet.nextEnabled() && !run.sheet.previousEnabled());
}

void PredictionRunTest::prices_data() {
    QTest::addColumn<int>("course");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("combinations");
    QTest::addColumn<QString>("draws");
    QTest::addColumn<QString>("price");
    QTest::newRow("steady ignores the combinations") << 1 << "2"
                                                     << "5"
                                                     << "3"
                                                     << "8400";
    QTest::newRow("luck, 5 combinations") << 0 << "2"
                                          << "5"
                                          << "3"
                                          << "6000";
    QTest::newRow("wide-range, 3 units of 5 for 2 draws") << 2 << "3"
                                                          << "5"
                                                          << "2"
                                                          << "6000";
    QTest::newRow("fractions stay plain decimals") << 0 << "1.5"
                                                   << "1"
                                                   << "1"
                                                   << "300";
    QTest::newRow("no exponent for large totals") << 0 << "1000000000"
                                                  << "5"
                                                  << "5"
                                                  << "5000000000000";
}

void PredictionRunTest::prices() {
    QFETCH(int, course);
    QFETCH(QString, units);
    QFETCH(QString, combinations);
    QFETCH(QString, draws);
    QFETCH(QString, price);
    const RunInputs inputs{QStringLiteral("20000"), QStringLiteral("7"), combinations, units, draws,
                           courseAt(course)};
    QCOMPARE(formatPrice(purchasePrice(inputs)), price);
}

QTEST_GUILESS_MAIN(PredictionRunTest)
#include "tst_predictionrun.moc"
