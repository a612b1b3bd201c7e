// SPDX-License-Identifier: GPL-3.0-or-later

// The live rule record without any window: when it reads option.ini, what edits do, what
// 設定 saves, and that unloading discards.

#include <QSignalSpy>
#include <QtTest>

#include "fakes.h"
#include "programfolderfixture.h"
#include "rules/liverulerecord.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

// 7色法 with option 2 and group C out, the draw rate 以下 20.
const QByteArray kStoredFile =
    "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",1,0,1,20,\"\x88\xc8\x89\xba\",0,1,0,0\r\n0,0,1,0,0,"
    "0,0\r\n";
const QString kNotOurs =
    QStringLiteral("このファイルは、kuji6ぽむりんの予想ファイルではありません");

struct Record {
    explicit Record(const QByteArray& optionsFile = {}) {
        if (!optionsFile.isEmpty()) {
            dir.write(QStringLiteral("option.ini"), optionsFile);
        }
    }
    ProgramFolderFixture dir;
    FakePrompter prompter;
    RuleRecord ruleBuffer;
    LiveRuleRecord rules{prompter, dir.folder().optionsFile(), ruleBuffer};
};

}  // namespace

class LiveRuleRecordTest : public QObject {
    Q_OBJECT
  private slots:
    void loadsOnceWhenFirstAsked_data();
    void loadsOnceWhenFirstAsked();
    void methodSwitchesResetTheDirection();
    void confirmSavesAndUnloads();
    void refusedConfirmKeepsTheRecord();
    void unloadDiscardsTheEdits();
};

void LiveRuleRecordTest::loadsOnceWhenFirstAsked_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<bool>("sevenGroup");
    QTest::newRow("no option.ini") << QByteArray() << QStringList() << "15"
                                   << "以上" << false;
    QTest::newRow("stored") << kStoredFile << QStringList() << "20"
                            << "以下" << true;
    QTest::newRow("unreadable") << QByteArray("garbage") << QStringList{kNotOurs} << "15"
                                << "以上" << false;
}

void LiveRuleRecordTest::loadsOnceWhenFirstAsked() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, messages);
    QFETCH(QString, percent);
    QFETCH(QString, direction);
    QFETCH(bool, sevenGroup);
    Record record(file);
    QVERIFY(!record.rules.isLoaded());
    QVERIFY(record.prompter.shown.isEmpty());
    const RuleSettings settings = record.rules.current();
    QVERIFY(record.rules.isLoaded());
    QCOMPARE(record.prompter.texts(), messages);
    QCOMPARE(settings.drawRatePercent, percent);
    QCOMPARE(settings.drawRateDirection, direction);
    QCOMPARE(settings.uses(Method::SevenGroup), sevenGroup);
    record.rules.current();
    record.rules.show();
    QCOMPARE(record.prompter.texts(), messages);
}

void LiveRuleRecordTest::methodSwitchesResetTheDirection() {
    Record record(kStoredFile);
    LiveRuleRecord& rules = record.rules;
    QCOMPARE(rules.settings().drawRateDirection, QStringLiteral("以下"));
    rules.switchMethod(Method::Chain, true);  // while the draw-rate method is on
    QCOMPARE(rules.settings().drawRateDirection, QStringLiteral("以上"));
    rules.switchMethod(Method::DrawRate, false);
    rules.setDrawRateDirection(QStringLiteral("以下"));
    rules.switchMethod(Method::Chain, false);
    QCOMPARE(rules.settings().drawRateDirection, QStringLiteral("以下"));
}

void LiveRuleRecordTest::confirmSavesAndUnloads() {
    Record record;
    LiveRuleRecord& rules = record.rules;
    const QSignalSpy unloaded(&rules, &LiveRuleRecord::unloaded);
    rules.setSevenGroupOption(SevenGroupOption::OnlyOneC, true);
    rules.setSevenGroupOption(SevenGroupOption::UnseenPairs, true);
    rules.setExcludedGroup(1, true);
    QVERIFY(rules.confirm());
    QVERIFY(record.prompter.shown.isEmpty());
    // The methods are off: their options go, except 未出連帯率反映.
    QCOMPARE(
        record.dir.read(QStringLiteral("option.ini")),
        QByteArray(
            "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",0,0,0,0,\"\",0,0,0,1\r\n0,0,0,0,0,0,0\r\n"));
    QVERIFY(!rules.isLoaded());
    QCOMPARE(unloaded.size(), 1);
}

void LiveRuleRecordTest::refusedConfirmKeepsTheRecord() {
    Record record(kStoredFile);
    LiveRuleRecord& rules = record.rules;
    rules.setDrawRatePercent(QString());
    QVERIFY(!rules.confirm());
    QCOMPARE(record.prompter.texts(), QStringList{"入力条件にエラーがあります。"});
    QVERIFY(rules.isLoaded());
    QCOMPARE(record.dir.read(QStringLiteral("option.ini")), kStoredFile);
}

void LiveRuleRecordTest::unloadDiscardsTheEdits() {
    Record record(kStoredFile);
    LiveRuleRecord& rules = record.rules;
    rules.switchMethod(Method::Chain, true);
    rules.setExcludedGroup(6, true);
    rules.unload();
    QVERIFY(!rules.isLoaded());
    const RuleSettings reloaded = rules.current();
    QVERIFY(!reloaded.uses(Method::Chain));
    QVERIFY(!reloaded.excludedGroup[6]);
    QCOMPARE(reloaded.drawRateDirection, QStringLiteral("以下"));
}

QTEST_GUILESS_MAIN(LiveRuleRecordTest)
#include "tst_liverulerecord.moc"
