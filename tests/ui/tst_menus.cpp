// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "programharness.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

class MenusTest : public QObject {
    Q_OBJECT
  private slots:
    void menuBar();
    void menuTree_data();
    void menuTree();
    void backClosesTheRuleWindowAndResets();
    void quitClosesEverything();
};

void MenusTest::menuBar() {
    ProgramHarness program;
    program.start();
    QStringList captions;
    for (QAction* action : program.main()->menuBar()->actions()) {
        captions << action->text();
    }
    QCOMPARE(captions, (QStringList{"ファイル(&F)", "データ(&D)", "表示(&V)"}));
    // The separators of the file menu.
    QCOMPARE(program.menuItem(QStringLiteral("Mnbar1"))->isSeparator(), true);
    QCOMPARE(program.menuItem(QStringLiteral("Mnbar2"))->isSeparator(), true);
    // The results are entered after 更新, the way the data is kept current.
    QStringList data;
    for (QAction* action : program.control<QMenu>(QStringLiteral("MnDT"))->actions()) {
        data << action->objectName();
    }
    QCOMPARE(data, (QStringList{"Mndata", "MnResult", "MnImport"}));
}

// Each row is named after its item.
void MenusTest::menuTree_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("MnSave") << "MnFile"
                            << "保存(&S)" << false;
    QTest::newRow("MnOpen") << "MnFile"
                            << "開く(&O)" << true;
    QTest::newRow("MnBack") << "MnFile"
                            << "予想モードに戻る(&B)" << true;
    QTest::newRow("MnQuit") << "MnFile"
                            << "kuji6ぽむりんの終了(&Q)" << true;
    QTest::newRow("MnOp") << "MnHJ"
                          << "法則設定(&O)" << false;
    QTest::newRow("MnColor") << "MnHJ"
                             << "グループ一覧(&G)" << true;
    QTest::newRow("Mndata") << "MnDT"
                            << "更新(&U)" << true;
    QTest::newRow("MnResult") << "MnDT"
                              << "当選番号の入力(&R)" << true;
    QTest::newRow("MnImport") << "MnDT"
                              << "履歴の取り込み(&I)" << true;
    QTest::newRow("MnStats") << "MnHJ"
                             << "出目統計(&T)" << true;
    QTest::newRow("MnCheck") << "MnHJ"
                             << "当選確認(&C)" << true;
}

void MenusTest::menuTree() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    ProgramHarness program;
    program.start();
    auto* parent = program.control<QMenu>(menu);
    QAction* action = program.menuItem(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(parent->actions().contains(action));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->isEnabled(), enabled);
}

void MenusTest::backClosesTheRuleWindowAndResets() {
    ProgramHarness program;
    program.start();
    program.main()->selectCourse(Course::Wide);
    program.menuItem(QStringLiteral("MnOp"))->trigger();
    QVERIFY(program.windows().existingRuleWindow()->isVisible());
    program.menuItem(QStringLiteral("MnBack"))->trigger();
    QTRY_VERIFY(!program.windows().existingRuleWindow());
    QTRY_VERIFY(program.control<QRadioButton>(QStringLiteral("OpCose(0)"))->isChecked());
    QVERIFY(!program.menuItem(QStringLiteral("MnOp"))->isEnabled());
    QVERIFY(!program.menuItem(QStringLiteral("MnSave"))->isEnabled());
}

void MenusTest::quitClosesEverything() {
    ProgramHarness program;
    program.start();
    program.main()->selectCourse(Course::Steady);
    program.menuItem(QStringLiteral("MnOp"))->trigger();
    program.menuItem(QStringLiteral("MnColor"))->trigger();
    program.menuItem(QStringLiteral("MnResult"))->trigger();
    program.menuItem(QStringLiteral("MnCheck"))->trigger();
    QSignalSpy finished(program.app.get(), &Application::finished);
    QPointer<MainWindow> main = program.main();
    program.menuItem(QStringLiteral("MnQuit"))->trigger();
    QTRY_COMPARE(finished.size(), 1);
    QVERIFY(main.isNull());
    QVERIFY(!program.windows().existingRuleWindow());
    QVERIFY(!program.windows().groupList());
    QVERIFY(!program.windows().existingResultWindow());
    QVERIFY(!program.windows().existingCheckWindow());
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
