// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>
#include <limits>

#include "engine/coursepass.h"
#include "engine/grouprules.h"
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

// The positions 1..25 whose flag is 0.
QList<int> unacceptedFlags(const PredictionState& state) {
    QList<int> marked;
    for (int p = 1; p <= 25; ++p) {
        if (state.posAccepted[p] == 0) {
            marked << p;
        }
    }
    return marked;
}

// The seven-group rules judged from a plain count of each group, 1..7; group 0 stands for a
// number outside every group.
RunStatus plainGroupVerdict(const RuleSettings& rules, const std::array<int, 8>& count,
                            int favouriteGroup) {
    const auto& out = rules.excludedGroup;
    for (int g = 1; g <= 7; ++g) {
        if (out[g - 1] && count[g] > 0) {
            return g == favouriteGroup ? RunStatus::Stop : RunStatus::Redraw;
        }
    }
    const int most = *std::max_element(count.begin() + 1, count.end());
    if (rules.has(SevenGroupOption::OnlyOneC) && count[3] >= 2) {
        return RunStatus::Redraw;
    }
    if (rules.has(SevenGroupOption::AtMostThree) && most >= 4) {
        return RunStatus::Redraw;
    }
    if (rules.has(SevenGroupOption::TwoToFive) && (most < 2 || most >= 5)) {
        return RunStatus::Redraw;
    }
    if (rules.has(SevenGroupOption::UnseenPairs)) {
        if ((out[0] && out[4]) || (out[3] && out[6])) {
            return RunStatus::Stop;
        }
        if (count[1] + count[5] == 0 || count[4] + count[7] == 0) {
            return RunStatus::Redraw;
        }
    }
    return RunStatus::CarryOn;
}

// Every way five numbers and the favourite can fall into groups 0..7, in the order a line
// lists them: groups[0..4] the line, groups[5] the favourite.
QList<std::array<int, 6>> everyGroupSpread() {
    QList<std::array<int, 6>> spreads;
    std::array<int, 6> g{};
    for (g[0] = 0; g[0] <= 7; ++g[0])
        for (g[1] = g[0]; g[1] <= 7; ++g[1])
            for (g[2] = g[1]; g[2] <= 7; ++g[2])
                for (g[3] = g[2]; g[3] <= 7; ++g[3])
                    for (g[4] = g[3]; g[4] <= 7; ++g[4])
                        for (g[5] = 0; g[5] <= 7; ++g[5]) {
                            spreads << g;
                        }
    return spreads;
}

// A small fixed generator, so that a row's passes are the same on every run.
struct Draws {
    std::uint32_t seed;
    int next(int below) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(below));
    }
};

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
    void groupCountsAgainstAPlainCount_data();
    void groupCountsAgainstAPlainCount();
    void repeatMemoryOverPasses_data();
    void repeatMemoryOverPasses();
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
    const QList<int> marked = unacceptedFlags(state);
    const QList<int> expected = repeatsAndFavourite(after, favourite);
    QCOMPARE(marked, expected);
    QCOMPARE(state.workFlag, Byte(expected.isEmpty() ? 1 : 0));
}

// The counts packed eight bits a group must judge every line as counting each group apart
// does: six of one group, numbers outside every group and the favourite's group included.
void CoursePassTest::groupCountsAgainstAPlainCount_data() {
    QTest::addColumn<QString>("excluded");    // groups A..G left out, as letters
    QTest::addColumn<QList<int>>("options");  // by SevenGroupOption
    QTest::newRow("nothing ticked") << "" << QList<int>{};
    QTest::newRow("only one C") << "" << QList<int>{0};
    QTest::newRow("at most three") << "" << QList<int>{1};
    QTest::newRow("two to five") << "" << QList<int>{2};
    QTest::newRow("unseen pairs") << "" << QList<int>{3};
    QTest::newRow("every option") << "" << QList<int>{0, 1, 2, 3};
    QTest::newRow("A excluded") << "A" << QList<int>{};
    QTest::newRow("G excluded") << "G" << QList<int>{};
    QTest::newRow("B, D and F excluded, every option") << "BDF" << QList<int>{0, 1, 2, 3};
    QTest::newRow("A and E excluded, unseen pairs") << "AE" << QList<int>{3};
    QTest::newRow("D and G excluded, two to five") << "DG" << QList<int>{2, 3};
}

void CoursePassTest::groupCountsAgainstAPlainCount() {
    QFETCH(QString, excluded);
    QFETCH(QList<int>, options);
    RuleSettings rules;
    rules.method[static_cast<std::size_t>(Method::SevenGroup)] = true;
    for (const QChar group : excluded) {
        rules.excludedGroup[static_cast<std::size_t>(group.unicode() - u'A')] = true;
    }
    for (const int option : options) {
        rules.sevenGroupOption[static_cast<std::size_t>(option)] = true;
    }
    RunFixture run;
    RunContext context = run.context();
    // Numbers 1 + 5g .. 5 + 5g are of group g, number 41 is the favourite.
    for (int n = 1; n <= 40; ++n) {
        run.state.numGroup[n] = static_cast<Byte>((n - 1) / 5);
    }
    run.state.favNumber = 41;
    for (const auto& groups : everyGroupSpread()) {
        std::array<int, 8> count{};
        for (int k = 0; k < 5; ++k) {
            // Line 1 of the wide-range course: positions 6..10.
            run.state.candidate[6 + k] = static_cast<Byte>(1 + 5 * groups[k] + k);
            ++count[groups[k]];
        }
        run.state.numGroup[41] = static_cast<Byte>(groups[5]);
        ++count[groups[5]];
        const RunStatus expected = plainGroupVerdict(rules, count, groups[5]);
        checkGroupRules(context, GroupRuleMasks(rules), Course::Wide, 1);
        const RunStatus fromGroupList = run.state.runStatus;
        const RunStatus byJudge = GroupJudge(run.state, GroupRuleMasks(rules))
                                      .check(context, run.state.candidate.slice<6, 10>());
        if (fromGroupList != expected || byJudge != expected) {
            QFAIL(qPrintable(
                QStringLiteral("groups %1 %2 %3 %4 %5, favourite %6: %7 and by a judge "
                               "%8, not %9")
                    .arg(groups[0])
                    .arg(groups[1])
                    .arg(groups[2])
                    .arg(groups[3])
                    .arg(groups[4])
                    .arg(groups[5])
                    .arg(int(fromGroupList))
                    .arg(int(byJudge))
                    .arg(int(expected))));
        }
    }
}

// The memory one check leaves for the next, carried over many passes in which the positions
// that failed are drawn again (and now and then a line's five as well), against the check of
// every position.
void CoursePassTest::repeatMemoryOverPasses_data() {
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("favourite");  // 0: position 0 holds no number, as in the steady course
    QTest::addColumn<int>("numbers");    // drawn from 1..numbers
    QTest::addColumn<uint>("seed");
    QTest::newRow("wide, five lines") << 25 << 7 << 43 << 1u;
    QTest::newRow("wide, two lines") << 10 << 30 << 43 << 2u;
    QTest::newRow("wide, five lines, few numbers") << 25 << 1 << 30 << 3u;
    QTest::newRow("steady") << 6 << 0 << 43 << 4u;
    QTest::newRow("steady, few numbers") << 6 << 0 << 9 << 5u;
}

void CoursePassTest::repeatMemoryOverPasses() {
    QFETCH(int, last);
    QFETCH(int, favourite);
    QFETCH(int, numbers);
    QFETCH(uint, seed);
    Draws draws{seed};
    PredictionState state;
    state.favNumber = static_cast<Byte>(favourite == 0 ? 12 : favourite);
    QList<int> candidates(last + 1, 0);
    candidates[0] = favourite;
    state.candidate[0] = static_cast<Byte>(favourite);
    QList<int> redraw;
    for (int p = 1; p <= last; ++p) {
        redraw << p;
    }
    EarlierNumbers earlier;
    for (int pass = 0; pass < 300; ++pass) {
        for (const int p : redraw) {
            candidates[p] = 1 + draws.next(numbers);
            state.candidate[p] = static_cast<Byte>(candidates[p]);
        }
        for (int p = 1; p <= 25; ++p) {
            state.posAccepted[p] = 1;
        }
        state.workFlag = 1;
        markRepeatsAndFavourite(state, last, bits(redraw), earlier);
        const QList<int> expected = repeatsAndFavourite(candidates, state.favNumber);
        QCOMPARE(unacceptedFlags(state), expected);
        QCOMPARE(state.workFlag, Byte(expected.isEmpty() ? 1 : 0));
        redraw = expected;
        if (draws.next(4) == 0) {
            // A line rejected by its groups: its five positions join the next pass.
            const int first = 1 + 5 * draws.next((last + 4) / 5);
            for (int p = first; p < first + 5 && p <= last; ++p) {
                redraw << p;
            }
            std::sort(redraw.begin(), redraw.end());
            redraw.erase(std::unique(redraw.begin(), redraw.end()), redraw.end());
        }
    }
}

QTEST_GUILESS_MAIN(CoursePassTest)
#include "tst_coursepass.moc"
