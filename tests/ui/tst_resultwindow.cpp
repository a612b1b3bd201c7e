// SPDX-License-Identifier: GPL-3.0-or-later

// 当選番号の入力 and 履歴の取り込み through the windows: what the user types, what the program
// folder holds afterwards, and what the main window shows.

#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"
#include "datafiles/historyedit.h"
#include "programharness.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QString kHistory = QStringLiteral("data/history/draws-6of43.csv");
const QByteArray kDraw2038 = "2038,2025-10-02,1,9,17,22,30,43,5\n";

// What the program folder holds of the history and its data files.
struct Files {
    QByteArray history;
    QByteArray deme;
    QByteArray rensa;
    bool operator==(const Files&) const = default;
};

// The data files make-data computes from `history`.
Files madeFrom(const QByteArray& history) {
    const DataTables tables =
        computeStatistics(parseDrawHistory(history, QStringLiteral("h")), std::nullopt);
    return {history, demeFileBytes(tables.kai, tables.drawRate, tables.numGroup),
            rensaFileBytes(tables.lastKai, tables.lastNumbers, tables.chain)};
}

// The program over a folder with the shipped history, a prediction file opened, the
// purchase details changed.
struct Program : ProgramHarness {
    Program() {
        QDir().mkpath(dir.path(QStringLiteral("data/history")));
        dir.write(kHistory, shippedData(QStringLiteral("history/draws-6of43.csv")));
        dir.write(QStringLiteral("152.txt"), fixture(QStringLiteral("steady-152.txt")));
        clock.date = QDate(2025, 10, 2);
        start();
        main()->show();
        prompter.fileAnswers.push_back(dir.path(QStringLiteral("152.txt")));
        menuItem(QStringLiteral("MnOpen"))->trigger();
        before = files();
        sheetBefore = sheetLines();
        prompter.shown.clear();
    }
    Files files() const {
        return {dir.read(kHistory), dir.read(QStringLiteral("data/deme.ini")),
                dir.read(QStringLiteral("data/rensa.ini"))};
    }
    QStringList sheetLines() const {
        QStringList lines;
        for (int l = 0; l < 10; ++l) {
            lines << line(l);
        }
        return lines << control<QComboBox>(QStringLiteral("Cmbkutisuu"))->currentText()
                     << control<QComboBox>(QStringLiteral("Cmbkeizoku"))->currentText()
                     << QString::number(static_cast<int>(main()->selectedCourse()));
    }
    QWidget* openResultWindow() const {
        menuItem(QStringLiteral("MnResult"))->trigger();
        QWidget* window = windows().existingResultWindow();
        if (!QTest::qWaitForWindowExposed(window)) {
            qFatal("the window is not on the screen");
        }
        return window;
    }
    // Types into each named box of `window` after a click on it, replacing what it held.
    static void fill(QWidget* window, const QList<std::pair<QString, QString>>& boxes) {
        for (const auto& [name, text] : boxes) {
            auto* box = find<QLineEdit>(window, name);
            clickOn(box);
            press(window, Qt::Key_A, Qt::ControlModifier);
            press(window, Qt::Key_Backspace);
            type(window, text);
        }
    }
    static QList<std::pair<QString, QString>> numbers(const QString& spaced) {
        const QStringList values = spaced.split(u' ');
        QList<std::pair<QString, QString>> boxes;
        for (int k = 0; k < 6; ++k) {
            boxes.append({QStringLiteral("TxNum(%1)").arg(k), values.value(k)});
        }
        boxes.append({QStringLiteral("TxBonus"), values.value(6)});
        return boxes;
    }
    Files before;
    QStringList sheetBefore;
};

}  // namespace

class ResultWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void proposesTheNextDraw();
    void addsADraw();
    void refusesAndChangesNothing_data();
    void refusesAndChangesNothing();
    void escapeChangesNothing();
    void tellsOfDataFromElsewhere();
    void importsAFile();
    void importRefusalChangesNothing();
};

void ResultWindowTest::proposesTheNextDraw() {
    Program program;
    QWidget* window = program.openResultWindow();
    QCOMPARE(window->objectName(), QStringLiteral("fmResult"));
    QCOMPARE(window->windowTitle(), QStringLiteral("当選番号の入力"));
    QCOMPARE(ProgramHarness::find<QLineEdit>(window, QStringLiteral("TxResultKai"))->text(),
             QStringLiteral("2038"));
    QCOMPARE(ProgramHarness::find<QLineEdit>(window, QStringLiteral("TxResultDay"))->text(),
             QStringLiteral("2025/10/02"));
    QVERIFY(!ProgramHarness::find<QLabel>(window, QStringLiteral("LbResultNote"))->isVisible());
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("TxNum(0)"));
    QCOMPARE(ProgramHarness::find<QPushButton>(window, QStringLiteral("ComResultOk"))->text(),
             QStringLiteral("登録"));
    QCOMPARE(ProgramHarness::find<QPushButton>(window, QStringLiteral("ComResultCancel"))->text(),
             QStringLiteral("キャンセル"));
    // Digits only, in every number box.
    Program::fill(window, {{QStringLiteral("TxNum(0)"), QStringLiteral("a1-2")},
                           {QStringLiteral("TxBonus"), QStringLiteral("x.7")},
                           {QStringLiteral("TxResultKai"), QStringLiteral("20 39")}});
    QCOMPARE(ProgramHarness::find<QLineEdit>(window, QStringLiteral("TxNum(0)"))->text(),
             QStringLiteral("12"));
    QCOMPARE(ProgramHarness::find<QLineEdit>(window, QStringLiteral("TxBonus"))->text(),
             QStringLiteral("7"));
    QCOMPARE(ProgramHarness::find<QLineEdit>(window, QStringLiteral("TxResultKai"))->text(),
             QStringLiteral("2039"));
}

void ResultWindowTest::addsADraw() {
    Program program;
    QWidget* window = program.openResultWindow();
    Program::fill(window, Program::numbers(QStringLiteral("43 9 17 1 30 22 5")));
    press(window, Qt::Key_Return);  // Enter in a box presses 登録

    const Files expected = madeFrom(program.before.history + kDraw2038);
    QCOMPARE(program.files(), expected);
    QVERIFY(!program.windows().existingResultWindow());
    QCOMPARE(program.prompter.texts(),
             QStringList{"第2038回の当選番号を登録しました。次は第2039回の予想です。"});
    QCOMPARE(program.prompter.shown.last().icon, MessageIcon::Information);
    // The next draw and the chain list are the new data's, at once.
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Txkai"))->text(), QStringLiteral("2039"));
    DrawData data;
    loadChainList(data, program.dir.folder(), [](const QString&) {});
    QStringList chainList;
    for (int i = 1; i <= 10; ++i) {
        chainList << QString::number(data.rensaTable[i]);
    }
    QCOMPARE(program.items(QStringLiteral("Cmbno")), chainList);
    QCOMPARE(program.sheetLines(), program.sheetBefore);
}

void ResultWindowTest::refusesAndChangesNothing_data() {
    QTest::addColumn<QString>("kai");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("told");
    QTest::newRow("number 44")
        << "2038"
        << "2025/10/02"
        << "1 2 3 4 5 44 7"
        << "本数字6の「44」は1から43の数字ではありません。1から43の数字を入れてください。";
    QTest::newRow("the same number twice")
        << "2038"
        << "2025/10/02"
        << "1 2 3 4 5 6 6"
        << "6が二度入っています。本数字とボーナス数字は7つとも違う数字にしてください。";
    QTest::newRow("a draw left out")
        << "2039"
        << "2025/10/02"
        << "1 2 3 4 5 6 7"
        << "第2039回は登録できません。履歴は第2037回までなので、次は第2038回です。";
    QTest::newRow("before the last draw")
        << "2038"
        << "2025/09/24"
        << "1 2 3 4 5 6 7"
        << "日付2025/09/24は前の回（第2037回、2025/09/25）より前です。2025/09/"
           "25以降の日付を入れてください。";
}

void ResultWindowTest::refusesAndChangesNothing() {
    QFETCH(QString, kai);
    QFETCH(QString, day);
    QFETCH(QString, numbers);
    QFETCH(QString, told);
    Program program;
    QWidget* window = program.openResultWindow();
    Program::fill(window, Program::numbers(numbers));
    Program::fill(window, {{QStringLiteral("TxResultKai"), kai}});
    auto* date = ProgramHarness::find<QLineEdit>(window, QStringLiteral("TxResultDay"));
    date->clear();
    clickOn(date);
    type(window, day);
    clickOn(ProgramHarness::find<QWidget>(window, QStringLiteral("ComResultOk")));
    QCOMPARE(program.prompter.texts(), QStringList{told});
    QCOMPARE(program.prompter.shown.last().title, QStringLiteral("注意!"));
    QCOMPARE(program.files(), program.before);
    QCOMPARE(program.windows().existingResultWindow(), window);
}

void ResultWindowTest::escapeChangesNothing() {
    Program program;
    QWidget* window = program.openResultWindow();
    Program::fill(window, Program::numbers(QStringLiteral("1 2 3 4 5 6 7")));
    press(window, Qt::Key_Escape);
    QVERIFY(!program.windows().existingResultWindow());
    QCOMPARE(program.files(), program.before);
    QCOMPARE(program.prompter.texts(), QStringList());
}

void ResultWindowTest::tellsOfDataFromElsewhere() {
    Program program;
    program.dir.write(QStringLiteral("data/deme.ini"),
                      program.before.deme.replace(0, 4, QByteArray("2040")));
    QWidget* window = program.openResultWindow();
    auto* note = ProgramHarness::find<QLabel>(window, QStringLiteral("LbResultNote"));
    QVERIFY(note->isVisible());
    QCOMPARE(
        note->text(),
        QStringLiteral("今のデータファイルは第2040回まで、当選番号の履歴は第2037回までです。"
                       "登録すると、データファイルは履歴から計算し直したものに置き換わります。"));
}

void ResultWindowTest::importsAFile() {
    Program program;
    program.dir.write(QStringLiteral("new.csv"),
                      "回\t日付\t1\t2\t3\t4\t5\t6\tB\n"
                      "2037\t2025/09/25\t7\t12\t20\t23\t27\t29\t10\n"
                      "2038\t2025/10/02\t43\t9\t17\t1\t30\t22\t5\n"
                      "\n"
                      "2039\t2025-10-09\t2\t4\t6\t8\t10\t12\t14\n");
    program.prompter.fileAnswers.push_back(program.dir.path(QStringLiteral("new.csv")));
    program.menuItem(QStringLiteral("MnImport"))->trigger();
    QCOMPARE(program.prompter.texts(),
             QStringList{"第2038回から第2039回までの当選番号を取り込みました（2回分）。"});
    QCOMPARE(program.files(),
             madeFrom(program.before.history + kDraw2038 + "2039,2025-10-09,2,4,6,8,10,12,14\n"));
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Txkai"))->text(), QStringLiteral("2040"));
    QCOMPARE(program.sheetLines(), program.sheetBefore);
}

void ResultWindowTest::importRefusalChangesNothing() {
    Program program;
    // A good first draw, then a gap: nothing of the file is taken.
    program.dir.write(QStringLiteral("gap.csv"),
                      "2038,2025/10/02,1,9,17,22,30,43,5\n"
                      "2040,2025/10/16,2,4,6,8,10,12,14\n");
    program.prompter.fileAnswers.push_back(program.dir.path(QStringLiteral("gap.csv")));
    program.menuItem(QStringLiteral("MnImport"))->trigger();
    QCOMPARE(program.prompter.texts(),
             QStringList{"gap.csv は取り込めません。履歴とデータファイルは元のままです。\n\n"
                         "2行目: 第2038回と第2040回の間の第2039回がありません。"
                         "回は続けて入れてください。"});
    QCOMPARE(program.files(), program.before);
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Txkai"))->text(), QStringLiteral("152"));
}

QTEST_MAIN(ResultWindowTest)
#include "tst_resultwindow.moc"
