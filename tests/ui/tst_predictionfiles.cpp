// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

#include "programharness.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

// The example's rules, so that the rule window shows what the example file stores.
const QByteArray kExampleRules =
    "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",0,0,1,15,\"\x88\xc8\x8f\xe3\",0,0,0,0\r\n0,0,0,0,0,"
    "0,0\r\n";

// Everything of the main window a prediction file holds, as the user sees it.
QStringList shown(const ProgramHarness& program) {
    QStringList texts;
    for (int line = 0; line < 10; ++line) {
        texts << program.line(line);
    }
    for (const char* box : {"Txkai", "Txday", "TxPage"}) {
        texts << program.control<QLineEdit>(QLatin1String(box))->text();
    }
    for (const char* box : {"Cmbno", "CmbABC", "Cmbkutisuu", "Cmbkeizoku", "CmbRimit"}) {
        texts << program.control<QComboBox>(QLatin1String(box))->currentText();
    }
    texts << QString::number(courseIndex(program.main()->selectedCourse()));
    return texts;
}

void open(ProgramHarness& program, const QString& path) {
    program.prompter.fileAnswers.push_back(path);
    program.menuItem(QStringLiteral("MnOpen"))->trigger();
}

void save(ProgramHarness& program, const QString& path) {
    program.prompter.fileAnswers.push_back(path);
    program.menuItem(QStringLiteral("MnSave"))->trigger();
}

bool enabled(const ProgramHarness& program, const char* name) {
    return program.control(QLatin1String(name))->isEnabled();
}

const QString kRefusalText =
    QStringLiteral("このファイルは、kuji6ぽむりんの予想ファイルではありません");

}  // namespace

class PredictionFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void opensTheExample();
    void roundTrip_data();
    void roundTrip();
    void badFileChangesNothing_data();
    void badFileChangesNothing();
    void cancelledDialogs();
    void emptyDrawNumberProposesTheBareName();
    void failedSaveIsReported();
};

void PredictionFilesTest::opensTheExample() {
    ProgramHarness program;
    program.dir.write(QStringLiteral("option.ini"), kExampleRules);
    program.dir.write(QStringLiteral("152.txt"), fixture(QStringLiteral("steady-152.txt")));
    program.start();
    program.main()->show();
    open(program, program.dir.path(QStringLiteral("152.txt")));
    QVERIFY(program.prompter.shown.isEmpty());
    QCOMPARE(shown(program), (QStringList{"3 12 19 25 33 41", "3 7 12 19 25 33", "3 7 12 19 25 41",
                                          "3 7 12 19 33 41", "3 7 12 25 33 41", "3 7 19 25 33 41",
                                          "7 12 19 25 33 41", "", "", "", "152", "2001/06/10",
                                          "1/2page", "7", "1", "2", "1", "20000", "1"}));
    QVERIFY(!enabled(program, "ComGO"));
    QVERIFY(!program.menuItem(QStringLiteral("MnSave"))->isEnabled());
    QVERIFY(enabled(program, "ComNext") && !enabled(program, "ComPrv"));
    QVERIFY(program.windows().existingRuleWindow()->isVisible());
    QTest::mouseClick(program.control(QStringLiteral("ComNext")), Qt::LeftButton);
    QVERIFY(program.control(QStringLiteral("Tx1(5)"))->isVisible());

    // Saved again, the file comes out byte for byte as it went in.
    program.menuItem(QStringLiteral("MnSave"))->setEnabled(true);
    save(program, program.dir.path(QStringLiteral("again.txt")));
    QCOMPARE(program.dir.read(QStringLiteral("again.txt")),
             fixture(QStringLiteral("steady-152.txt")));
    QCOMPARE(program.prompter.proposedNames, QStringList{"152回予想.txt"});
    QCOMPARE(program.prompter.filters.last(), QStringLiteral("テキストファイル(*.txt)"));
}

void PredictionFilesTest::roundTrip_data() {
    QTest::addColumn<int>("course");
    QTest::addColumn<QString>("pageText");
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<bool>("ruleWindowShown");
    QTest::newRow("luck") << 0 << "1/1page" << false << false;
    QTest::newRow("steady") << 1 << "1/2page" << true << true;
    QTest::newRow("wide-range") << 2 << "1/1page" << false << true;
}

void PredictionFilesTest::roundTrip() {
    QFETCH(int, course);
    QFETCH(QString, pageText);
    QFETCH(bool, nextEnabled);
    QFETCH(bool, ruleWindowShown);
    ProgramHarness program;
    program.start();
    program.main()->show();
    program.main()->selectCourse(courseAt(course));
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("40"));
    program.setText(QStringLiteral("CmbABC"), QStringLiteral("2"));
    program.setText(QStringLiteral("Cmbkeizoku"), QStringLiteral("3"));
    program.setText(QStringLiteral("CmbRimit"), QStringLiteral("5000"));
    program.random.pushFiller(1);
    program.random.pushNumbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    program.pressGo();
    QVERIFY(program.prompter.shown.isEmpty());
    const QStringList before = shown(program);

    const QString path = program.dir.path(QStringLiteral("saved.txt"));
    save(program, path);
    QCOMPARE(program.prompter.proposedNames, QStringList{"2038回予想.txt"});
    QCOMPARE(program.windows().existingRuleWindow() != nullptr, course != 0);

    program.menuItem(QStringLiteral("MnBack"))->trigger();
    QTRY_VERIFY(program.line(0).isEmpty());
    program.main()->show();
    open(program, path);
    QCOMPARE(shown(program), before);
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("TxPage"))->text(), pageText);
    QCOMPARE(enabled(program, "ComNext"), nextEnabled);
    QVERIFY(!enabled(program, "ComPrv"));
    RuleWindow* rules = program.windows().existingRuleWindow();
    QCOMPARE(rules != nullptr && rules->isVisible(), ruleWindowShown);
}

void PredictionFilesTest::badFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray example = fixture(QStringLiteral("steady-152.txt"));
    QTest::newRow("an options file") << kExampleRules;
    QTest::newRow("course index 3") << QByteArray(example).replace("\",1,\"7\"", "\",3,\"7\"");
    QTest::newRow("missing") << QByteArray();
}

void PredictionFilesTest::badFileChangesNothing() {
    QFETCH(QByteArray, bytes);
    ProgramHarness program;
    if (!bytes.isEmpty()) {
        program.dir.write(QStringLiteral("bad.txt"), bytes);
    }
    program.start();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.random.pushFiller(1);
    program.random.pushNumbers({1, 2, 3, 4, 5});
    program.pressGo();
    const QStringList before = shown(program);
    open(program, program.dir.path(QStringLiteral("bad.txt")));
    QCOMPARE(program.prompter.texts(), QStringList{kRefusalText});
    QCOMPARE(program.prompter.shown[0].title, QStringLiteral("kuji6ぽむりん"));
    QCOMPARE(program.prompter.shown[0].icon, MessageIcon::Information);
    QCOMPARE(shown(program), before);
    QVERIFY(enabled(program, "ComGO"));
    QVERIFY(!program.menuItem(QStringLiteral("MnSave"))->isEnabled());
    QVERIFY(!program.windows().existingRuleWindow());
}

void PredictionFilesTest::cancelledDialogs() {
    ProgramHarness program;
    program.start();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.random.pushFiller(1);
    program.random.pushNumbers({1, 2, 3, 4, 5});
    program.pressGo();
    program.prompter.fileAnswers.push_back(QString());
    program.menuItem(QStringLiteral("MnSave"))->trigger();
    QCOMPARE(QDir(program.dir.path(QStringLiteral("."))).entryList(QDir::Files), QStringList{});
    QVERIFY(program.prompter.shown.isEmpty());

    program.prompter.fileAnswers.push_back(QString());
    program.menuItem(QStringLiteral("MnOpen"))->trigger();
    QVERIFY(!program.menuItem(QStringLiteral("MnSave"))->isEnabled());
    QVERIFY(enabled(program, "ComGO"));
    QCOMPARE(program.line(0), QStringLiteral("1 2 3 4 5 7"));
}

void PredictionFilesTest::emptyDrawNumberProposesTheBareName() {
    ProgramHarness program;
    program.start();
    program.control<QLineEdit>(QStringLiteral("Txkai"))->clear();
    program.menuItem(QStringLiteral("MnSave"))->setEnabled(true);
    program.prompter.fileAnswers.push_back(QString());
    program.menuItem(QStringLiteral("MnSave"))->trigger();
    QCOMPARE(program.prompter.proposedNames, QStringList{"回予想.txt"});
}

void PredictionFilesTest::failedSaveIsReported() {
    ProgramHarness program;
    program.start();
    program.menuItem(QStringLiteral("MnSave"))->setEnabled(true);
    const QString path = program.dir.path(QStringLiteral("no-such-folder/p.txt"));
    save(program, path);
    QCOMPARE(program.prompter.shown.size(), 1);
    QCOMPARE(program.prompter.shown[0].icon, MessageIcon::Warning);
    QVERIFY(program.prompter.shown[0].text.contains(QDir::toNativeSeparators(path)));
}

QTEST_MAIN(PredictionFilesTest)
#include "tst_predictionfiles.moc"
