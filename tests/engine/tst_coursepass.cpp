// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>
#include <limits>

#include "engine/coursepass.h"
#include "runfixture.h"

using namespace kuji6;
using kuji6::test::RunFixture;

namespace {

std::uint32_t bits(const QList<int>& positions) {
    std::uint32_t mask = 0;
    for (const int p : positions) {
        mask |= 1u << p;
    }
    return mask;
}

// The rule in its plainest form, over every position: a position is drawn again when it
// repeats an earlier one (position 0 included) or when it or an earlier one holds the favourite.
QList<int> repeatsAndFavourite(const QList<int>& candidates, int favourite) {
    QList<int> marked;
    bool favouriteSeen = false;
    for (int i = 1; i < candidates.size(); ++i) {
        favouriteSeen = favouriteSeen || candidates[i] == favourite;
        if (favouriteSeen || candidates.first(i).contains(candidates[i])) {
            marked << i;
        }
    }
    return marked;
}

using Changes = QList<QPair<int, int>>;  // position, new number

}  // namespace

class CoursePassTest : public QObject {
    Q_OBJECT
  private slots:
    void batchedValuesFollowTheSingleOnes();
    void countedValues();
    void unacceptedPositions_data();
    void unacceptedPositions();
    void repeatCheckAfterRedraws_data();
    void repeatCheckAfterRedraws();
};

// Across the generator's refills (every 624 values) and in passes of any size.
void CoursePassTest::batchedValuesFollowTheSingleOnes() {
    MersenneSource single;
    MersenneSource batched;
    RandomSource& source = batched;
    for (const int size : {1, 5, 25, 0, 600, 25, 3, 1000}) {
        std::vector<float> values(static_cast<std::size_t>(size));
        source.fill(values);
        for (const float value : values) {
            QCOMPARE(value, single.next());
        }
    }
}

void CoursePassTest::countedValues() {
    RunFixture run;
    RunContext context = run.context();
    run.random.pushNumbers({4, 43, 1});
    run.state.randomCount = 10;
    std::array<float, 3> values{};
    context.drawCountedValues(values);
    QCOMPARE(run.state.randomCount, 13);
    QCOMPARE((std::array{lotteryNumber(values[0]), lotteryNumber(values[1]),
                         lotteryNumber(values[2])}),
             (std::array<Byte, 3>{4, 43, 1}));

    // Room for two more: the third value is still taken before the count overflows.
    run.random.pushFiller(5);
    run.state.randomCount = std::numeric_limits<qint32>::max() - 2;
    std::array<float, 5> past{};
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, context.drawCountedValues(past));
    QCOMPARE(run.random.values.size(), std::size_t{2});
}

void CoursePassTest::unacceptedPositions_data() {
    QTest::addColumn<QList<int>>("unaccepted");
    QTest::addColumn<int>("last");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("none") << QList<int>{} << 25 << QList<int>{};
    QList<int> all;
    for (int p = 1; p <= 25; ++p) {
        all << p;
    }
    QTest::newRow("all 25") << all << 25 << all;
    QTest::newRow("eight-flag borders")
        << QList<int>{1, 8, 9, 16, 17, 24, 25} << 25 << QList<int>{1, 8, 9, 16, 17, 24, 25};
    QTest::newRow("positions past the last are not asked")
        << QList<int>{2, 6, 7, 20} << 6 << QList<int>{2, 6};
    QTest::newRow("no position") << all << 0 << QList<int>{};
}

void CoursePassTest::unacceptedPositions() {
    QFETCH(QList<int>, unaccepted);
    QFETCH(int, last);
    QFETCH(QList<int>, expected);
    PredictionState state;
    for (int p = 1; p <= 25; ++p) {
        state.posAccepted[p] = unaccepted.contains(p) ? 0 : 1;
    }
    QCOMPARE(kuji6::unacceptedPositions(state, last), bits(expected));
}

// After a pass in which every position that failed the check was drawn again, the check of
// the drawn positions and those after them gives what the check of every position gives.
void CoursePassTest::repeatCheckAfterRedraws_data() {
    QTest::addColumn<QList<int>>("before");  // candidates 0..last, all having passed
    QTest::addColumn<int>("favourite");
    QTest::addColumn<Changes>("changes");
    const QList<int> wide{7, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11};  // position 0: the favourite
    QTest::newRow("nothing drawn") << wide << 7 << Changes{};
    QTest::newRow("a new number repeated later")
        << wide << 7 << Changes{{3, 9}};
    QTest::newRow("a new number repeating an earlier one")
        << wide << 7 << Changes{{9, 2}};
    QTest::newRow("the favourite drawn: it and all after it")
        << wide << 7 << Changes{{5, 7}};
    QTest::newRow("two new numbers alike") << wide << 7 << Changes{{4, 30}, {8, 30}};
    QTest::newRow("the first and the last position")
        << wide << 7 << Changes{{1, 11}, {10, 40}};
    QTest::newRow("fresh numbers that clash with nothing")
        << wide << 7 << Changes{{2, 20}, {6, 21}, {10, 22}};
    const QList<int> steady{0, 5, 9, 14, 20, 33, 41};  // position 0 holds no number
    QTest::newRow("steady: a repeat of the sixth")
        << steady << 12 << Changes{{2, 41}};
    QTest::newRow("steady: the favourite in the sixth")
        << steady << 12 << Changes{{6, 12}};
}

void CoursePassTest::repeatCheckAfterRedraws() {
    QFETCH(QList<int>, before);
    QFETCH(int, favourite);
    QFETCH(Changes, changes);
    QVERIFY(repeatsAndFavourite(before, favourite).isEmpty());  // the rows start from a pass
    QList<int> after = before;
    QList<int> redrawn;
    for (const auto& [position, number] : changes) {
        after[position] = number;
        redrawn << position;
    }
    PredictionState state;
    state.favNumber = static_cast<Byte>(favourite);
    state.workFlag = 1;
    const int last = static_cast<int>(after.size()) - 1;
    for (int p = 0; p <= last; ++p) {
        state.candidate[p] = static_cast<Byte>(after[p]);
    }
    for (int p = 1; p <= 25; ++p) {
        state.posAccepted[p] = 1;
    }
    markRepeatsAndFavourite(state, last, bits(redrawn));
    QList<int> marked;
    for (int p = 1; p <= 25; ++p) {
        if (state.posAccepted[p] == 0) {
            marked << p;
        }
    }
    const QList<int> expected = repeatsAndFavourite(after, favourite);
    QCOMPARE(marked, expected);
    QCOMPARE(state.workFlag, Byte(expected.isEmpty() ? 1 : 0));
}

QTEST_GUILESS_MAIN(CoursePassTest)
#include "tst_coursepass.moc"
