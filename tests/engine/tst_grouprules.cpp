// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "engine/grouprules.h"
#include "runfixture.h"

using namespace kuji6;
using kuji6::test::RunFixture;

// Groups by the group list: A 1 8 15 22 29 36 43, B 2 9 .., C 3 10 .., D 4 11 ..,
// E 5 12 .., F 6 13 .., G 7 14 ..

namespace {

// Settings from a short code: "1".."4" tick the options Ch7(0..3), letters exclude groups.
RuleSettings sevenGroupSettings(const QString& code) {
    RuleSettings rules;
    rules.method[0] = true;
    for (QChar c : code) {
        if (c >= u'1' && c <= u'4') {
            rules.sevenGroupOption[static_cast<std::size_t>(c.unicode() - u'1')] = true;
        } else {
            rules.excludedGroup[static_cast<std::size_t>(c.unicode() - u'A')] = true;
        }
    }
    return rules;
}

const QString kExcludedFavourite = QStringLiteral("任意数字と外したいグループが同一です。");
const QString kUnseenPairs =
    QStringLiteral("未出連帯率反映チェックを外すか、外したいグループを変えて下さい。");

}  // namespace

class GroupRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void verdicts_data();
    void verdicts();
    void rejectedLineIsRedrawn();
    void contradictionEndsTheBusyDisplay();
};

void GroupRulesTest::verdicts_data() {
    QTest::addColumn<QList<int>>("line");
    QTest::addColumn<int>("favourite");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("comment");

    const int pass = int(RunStatus::CarryOn);
    const int reject = int(RunStatus::Redraw);
    const int stop = int(RunStatus::Stop);
    QTest::newRow("nothing ticked") << QList<int>{1, 8, 15, 22, 29} << 36 << "" << pass << ""
                                    << "";
    QTest::newRow("excluded A held") << QList<int>{1, 2, 3, 4, 5} << 6 << "A" << reject << ""
                                     << "";
    QTest::newRow("excluded A not held") << QList<int>{2, 3, 4, 5, 6} << 7 << "A" << pass << ""
                                         << "";
    QTest::newRow("favourite in an excluded group")
        << QList<int>{2, 4, 5, 6, 7} << 3 << "C" << stop << kExcludedFavourite
        << "どっちかの条件を変えてちょうだい";
    QTest::newRow("an earlier excluded group decides first")
        << QList<int>{1, 4, 5, 6, 7} << 3 << "AC" << reject << ""
        << "";
    QTest::newRow("two of C") << QList<int>{3, 10, 1, 2, 4} << 5 << "1" << reject << ""
                              << "";
    QTest::newRow("one of C") << QList<int>{3, 1, 2, 4, 5} << 6 << "1" << pass << ""
                              << "";
    QTest::newRow("four of one group") << QList<int>{1, 8, 15, 22, 2} << 3 << "2" << reject << ""
                                       << "";
    QTest::newRow("three of one group") << QList<int>{1, 8, 15, 2, 3} << 4 << "2" << pass << ""
                                        << "";
    QTest::newRow("six groups") << QList<int>{1, 2, 3, 4, 5} << 6 << "3" << reject << ""
                                << "";
    QTest::newRow("3 + 3") << QList<int>{1, 8, 15, 2, 9} << 16 << "3" << pass << ""
                           << "";
    QTest::newRow("4 + 2") << QList<int>{1, 8, 15, 22, 2} << 9 << "3" << pass << ""
                           << "";
    QTest::newRow("2 + 2 + 2") << QList<int>{1, 8, 2, 9, 3} << 10 << "3" << pass << ""
                               << "";
    QTest::newRow("5 + 1") << QList<int>{1, 8, 15, 22, 29} << 2 << "3" << reject << ""
                           << "";
    QTest::newRow("A and E excluded") << QList<int>{2, 3, 4, 6, 7} << 9 << "4AE" << stop
                                      << kUnseenPairs << "AとEは未出連帯対象です";
    QTest::newRow("D and G excluded") << QList<int>{1, 2, 3, 5, 6} << 8 << "4DG" << stop
                                      << kUnseenPairs << "DとGは未出連帯対象です";
    QTest::newRow("A and E excluded, an A number rejected first")
        << QList<int>{1, 3, 4, 6, 7} << 9 << "4AE" << reject << ""
        << "";
    QTest::newRow("neither A nor E") << QList<int>{2, 3, 4, 6, 7} << 9 << "4" << reject << ""
                                     << "";
    QTest::newRow("neither D nor G") << QList<int>{1, 2, 3, 5, 6} << 8 << "4" << reject << ""
                                     << "";
    QTest::newRow("A and D held") << QList<int>{1, 4, 2, 3, 6} << 9 << "4" << pass << ""
                                  << "";
    QTest::newRow("the favourite counts: E") << QList<int>{2, 3, 4, 6, 7} << 5 << "4" << pass << ""
                                             << "";
}

void GroupRulesTest::verdicts() {
    QFETCH(QList<int>, line);
    QFETCH(int, favourite);
    QFETCH(QString, settings);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QString, comment);
    RunFixture run;
    run.useGroupList();
    RunContext context = run.context();
    // The wide-range course, line 2: positions 11..15.
    for (int k = 0; k < 5; ++k) {
        run.state.candidate[11 + k] = static_cast<Byte>(line[k]);
    }
    run.state.favNumber = static_cast<Byte>(favourite);
    checkGroupRules(context, GroupRuleMasks(sevenGroupSettings(settings)), Course::Wide, 2);
    QCOMPARE(int(run.state.runStatus), status);
    QCOMPARE(run.prompter.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(run.prompter.shown[0].title, QStringLiteral("選択条件が矛盾しています"));
        QCOMPARE(run.prompter.shown[0].icon, MessageIcon::Warning);
        QCOMPARE(run.display.comment, comment);
    }
    QCOMPARE(run.state.favGroup, Byte((favourite - 1) % 7 + 1));
}

void GroupRulesTest::rejectedLineIsRedrawn() {
    RunFixture run;
    RunContext context = run.context();
    run.state.workFlag = 1;
    for (int p = 1; p <= 15; ++p) {
        run.state.posAccepted[p] = 1;
    }
    run.state.runStatus = RunStatus::Redraw;
    applyGroupVerdict(context, Course::Wide, 1);
    QCOMPARE(run.state.workFlag, Byte{0});
    for (int p = 1; p <= 15; ++p) {
        QCOMPARE(run.state.posAccepted[p], Byte(p >= 6 && p <= 10 ? 0 : 1));
    }
    run.state.runStatus = RunStatus::Redraw;
    applyGroupVerdict(context, Course::Steady, 4);  // the line index means nothing there
    QCOMPARE(run.state.posAccepted[1], Byte{0});
    QCOMPARE(run.state.posAccepted[11], Byte{1});
}

void GroupRulesTest::contradictionEndsTheBusyDisplay() {
    RunFixture run;
    RunContext context = run.context();
    run.display.busy = true;
    run.display.progressVisible = true;
    run.display.commentVisible = false;
    run.state.runStatus = RunStatus::Stop;
    applyGroupVerdict(context, Course::Steady, 0);
    QVERIFY(!run.display.busy && !run.display.progressVisible && run.display.commentVisible);
    QCOMPARE(run.rules.shows, 1);
}

QTEST_GUILESS_MAIN(GroupRulesTest)
#include "tst_grouprules.moc"
