// SPDX-License-Identifier: GPL-3.0-or-later

// 当選確認 through its window: the sheet of the main window against a draw of the history or
// one typed in, the result of each line, the sum, and the marks in the main window.

#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "programharness.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QString kMatched = QStringLiteral("当選番号と一致");

// The program over a folder with the shipped history, the prediction for draw 152 opened.
struct Program : ProgramHarness {
    explicit Program(bool open = true) {
        QDir().mkpath(dir.path(QStringLiteral("data/history")));
        dir.write(QStringLiteral("data/history/draws-6of43.csv"),
                  shippedData(QStringLiteral("history/draws-6of43.csv")));
        dir.write(QStringLiteral("152.txt"), fixture(QStringLiteral("steady-152.txt")));
        start();
        main()->show();
        if (open) {
            openPrediction();
        }
    }
    void openPrediction() {
        prompter.fileAnswers.push_back(dir.path(QStringLiteral("152.txt")));
        menuItem(QStringLiteral("MnOpen"))->trigger();
    }
    QWidget* openCheckWindow() const {
        menuItem(QStringLiteral("MnCheck"))->trigger();
        QWidget* window = windows().existingCheckWindow();
        if (!QTest::qWaitForWindowExposed(window)) {
            qFatal("the window is not on the screen");
        }
        return window;
    }
    template <class T = QWidget>
    T* part(const QString& name) const {
        return find<T>(windows().existingCheckWindow(), name);
    }
    QString winningNumbers() const {
        QStringList numbers;
        for (int k = 0; k < 6; ++k) {
            numbers << part<QLineEdit>(QStringLiteral("TxWin(%1)").arg(k))->text();
        }
        return numbers.join(u' ') + QStringLiteral(" (") +
               part<QLineEdit>(QStringLiteral("TxWinBonus"))->text() + u')';
    }
    QStringList hits() const {
        QStringList shown;
        for (int l = 0; l < 10; ++l) {
            shown << part<QLabel>(QStringLiteral("LbHit(%1)").arg(l))->text();
        }
        return shown << part<QLabel>(QStringLiteral("LbHitSum"))->text();
    }
    // Each result line of the main window with its marked numbers in brackets.
    QStringList marked() const {
        QStringList lines;
        for (int l = 0; l < 10; ++l) {
            QStringList numbers;
            for (int n = 1; n <= 6; ++n) {
                auto* box = control<QLineEdit>(QStringLiteral("Tx%1(%2)").arg(n).arg(l));
                const bool mark = box->accessibleDescription() == kMatched;
                // A mark is seen, not only told.
                if (mark != (box->palette().color(QPalette::Base) !=
                             main()->palette().color(QPalette::Base))) {
                    return {QStringLiteral("mark and colour differ at ") + box->objectName()};
                }
                numbers << (mark ? u'[' + box->text() + u']' : box->text());
            }
            lines << numbers.join(u' ').trimmed();
        }
        return lines;
    }
};

}  // namespace

class CheckWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void proposesTheSheetsDraw();
    void checksAgainstAHistoryDraw();
    void checksAgainstATypedDraw();
    void marksGoWhenTheSheetChanges();
    void nothingToCheck();
    void followsADrawAddedMeanwhile();
};

void CheckWindowTest::proposesTheSheetsDraw() {
    Program program;
    QWidget* window = program.openCheckWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("当選確認"));
    auto* draws = program.part<QComboBox>(QStringLiteral("CmbCheckKai"));
    QCOMPARE(draws->count(), 2037);
    QCOMPARE(draws->itemText(0), QStringLiteral("2037"));  // newest first
    QCOMPARE(draws->currentText(), QStringLiteral("152"));
    QCOMPARE(program.winningNumbers(), QStringLiteral("4 8 12 16 31 33 (17)"));

    // A main window whose draw the history does not hold yet proposes the newest.
    Program fresh(false);
    fresh.openCheckWindow();
    QCOMPARE(fresh.part<QComboBox>(QStringLiteral("CmbCheckKai"))->currentText(),
             QStringLiteral("2037"));
    QCOMPARE(fresh.winningNumbers(), QStringLiteral("7 12 20 23 27 29 (10)"));
}

void CheckWindowTest::checksAgainstAHistoryDraw() {
    Program program;
    QWidget* window = program.openCheckWindow();
    press(window, Qt::Key_Return);
    QCOMPARE(program.hits(),
             (QStringList{"2個一致 はずれ", "2個一致 はずれ", "1個一致 はずれ", "2個一致 はずれ",
                          "2個一致 はずれ", "1個一致 はずれ", "2個一致 はずれ", "", "", "",
                          "1等 0口　2等 0口　3等 0口　4等 0口　5等 0口　はずれ 7口"}));
    QCOMPARE(program.marked(),
             (QStringList{"3 [12] 19 25 [33] 41", "3 7 [12] 19 25 [33]", "3 7 [12] 19 25 41",
                          "3 7 [12] 19 [33] 41", "3 7 [12] 25 [33] 41", "3 7 19 25 [33] 41",
                          "7 [12] 19 25 [33] 41", "", "", ""}));
}

void CheckWindowTest::checksAgainstATypedDraw() {
    Program program;
    QWidget* window = program.openCheckWindow();
    // A draw the history does not hold: its numbers are typed, digits only.
    clickOn(program.part(QStringLiteral("CmbCheckKai")));
    press(window, Qt::Key_A, Qt::ControlModifier);
    type(window, QStringLiteral("3x000"));
    QCOMPARE(program.part<QComboBox>(QStringLiteral("CmbCheckKai"))->currentText(),
             QStringLiteral("3000"));
    QCOMPARE(program.winningNumbers(), QStringLiteral("      ()"));
    const QStringList typed{"3", "7", "12", "19", "25", "9", "33"};
    for (int k = 0; k < 7; ++k) {
        clickOn(program.part(k < 6 ? QStringLiteral("TxWin(%1)").arg(k)
                                   : QStringLiteral("TxWinBonus")));
        type(window, typed[k] + u'a');
    }
    clickOn(program.part(QStringLiteral("ComCheck")));
    QCOMPARE(program.hits(),
             (QStringList{"4個一致 4等", "5個一致 2等", "5個一致 3等", "4個一致 4等", "4個一致 4等",
                          "4個一致 4等", "4個一致 4等", "", "", "",
                          "1等 0口　2等 1口　3等 1口　4等 5口　5等 0口　はずれ 0口"}));
    QCOMPARE(program.marked().at(1), QStringLiteral("[3] [7] [12] [19] [25] 33"));

    // Numbers that cannot be a draw's are told, and nothing is checked.
    clickOn(program.part(QStringLiteral("TxWinBonus")));
    press(window, Qt::Key_End);
    press(window, Qt::Key_Backspace);
    press(window, Qt::Key_Backspace);
    type(window, QStringLiteral("3"));
    program.prompter.shown.clear();
    press(window, Qt::Key_Return);
    QCOMPARE(
        program.prompter.texts(),
        QStringList{"3が二度入っています。本数字とボーナス数字は7つとも違う数字にしてください。"});
}

// A draw entered while the window is open is listed at once, with its numbers.
void CheckWindowTest::followsADrawAddedMeanwhile() {
    Program program(false);
    program.clock.date = QDate(2025, 10, 2);  // the day of the draw entered below
    QWidget* check = program.openCheckWindow();
    clickOn(program.part(QStringLiteral("CmbCheckKai")));
    press(check, Qt::Key_A, Qt::ControlModifier);
    type(check, QStringLiteral("2038"));
    QCOMPARE(program.winningNumbers(), QStringLiteral("      ()"));

    program.menuItem(QStringLiteral("MnResult"))->trigger();
    QWidget* result = program.windows().existingResultWindow();
    QVERIFY(QTest::qWaitForWindowExposed(result));
    clickOn(ProgramHarness::find(result, QStringLiteral("TxNum(0)")));
    for (const char* number : {"43", "9", "17", "1", "30", "22", "5"}) {
        type(result, QLatin1String(number));
        press(result, Qt::Key_Tab);
    }
    clickOn(ProgramHarness::find(result, QStringLiteral("ComResultOk")));
    QTRY_VERIFY2(!program.windows().existingResultWindow(),
                 qPrintable(program.prompter.texts().join(u'|')));

    auto* draws = program.part<QComboBox>(QStringLiteral("CmbCheckKai"));
    QCOMPARE(draws->itemText(0), QStringLiteral("2038"));
    QCOMPARE(draws->currentText(), QStringLiteral("2038"));
    QCOMPARE(program.winningNumbers(), QStringLiteral("1 9 17 22 30 43 (5)"));
    QVERIFY(program.part<QLineEdit>(QStringLiteral("TxWin(0)"))->isReadOnly());
}

void CheckWindowTest::marksGoWhenTheSheetChanges() {
    Program program;
    program.openCheckWindow();
    clickOn(program.part(QStringLiteral("ComCheck")));
    QVERIFY(program.marked().at(0).contains(u'['));
    program.openPrediction();  // the same file again is a new sheet
    QCOMPARE(program.marked().at(0), QStringLiteral("3 12 19 25 33 41"));
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Tx2(0)"))->accessibleDescription(),
             QString());
}

void CheckWindowTest::nothingToCheck() {
    Program program(false);
    QWidget* window = program.openCheckWindow();
    press(window, Qt::Key_Return);
    QCOMPARE(
        program.prompter.texts(),
        QStringList{"確認する予想がありません。GO!で予想するか、予想ファイルを開いてください。"});
    QCOMPARE(program.hits().last(), QString());
}

QTEST_MAIN(CheckWindowTest)
#include "tst_checkwindow.moc"
