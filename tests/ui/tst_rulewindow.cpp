// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>
#include <cmath>

#include "programharness.h"
#include "ui/systemcolors.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QByteArray kStoredFile =
    "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",1,0,1,20,\"\x88\xc8\x89\xba\",0,1,0,0\r\n0,0,1,0,0,"
    "0,0\r\n";

// The program with the steady course chosen and the rule settings opened by 法則設定.
struct RulesOpen : ProgramHarness {
    explicit RulesOpen(const QByteArray& optionsFile = {}) {
        if (!optionsFile.isEmpty()) {
            dir.write(QStringLiteral("option.ini"), optionsFile);
        }
        start();
        main()->show();
        main()->selectCourse(Course::Steady);
        QTest::mouseClick(control<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    }
    RuleWindow* window() const { return windows().existingRuleWindow(); }
    template <class T = QWidget>
    T* rule(const QString& name) const {
        return find<T>(window(), name);
    }
    QCheckBox* box(const char* name, int index) const {
        return rule<QCheckBox>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
    }
    QComboBox* percent() const { return rule<QComboBox>(QStringLiteral("CmbDeme")); }
    QComboBox* direction() const { return rule<QComboBox>(QStringLiteral("CmbUorD")); }
    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void press(const char* name) const { click(rule<QPushButton>(QLatin1String(name))); }
    QByteArray optionsFile() const {
        return QFile::exists(dir.folder().optionsFile()) ? dir.read(QStringLiteral("option.ini"))
                                                         : QByteArray();
    }
};

QColor textColor(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

}  // namespace

class RuleWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startsFromTheInitialValues();
    void loadsTheStoredSettings();
    void unreadableOptionsFile();
    void sevenGroupLook();
    void drawRateLookAndDirection();
    void confirmClearsWhatIsSwitchedOff();
    void percentageAbove100_data();
    void percentageAbove100();
    void emptyPercentageKeepsTheWindowOpen();
    void cancelAndCloseBoxDiscard();
    void keyFilters();
    void enterAndEscape_data();
    void enterAndEscape();
    void groupLettersAreReadable_data();
    void groupLettersAreReadable();
    void groupTableIsTheGroupList();
    void threeExcludedGroupsRefuseTheRun();
    void unreadableOptionsFileOncePerRun();
    void steadyRunFromTheWindow();
};

void RuleWindowTest::startsFromTheInitialValues() {
    RulesOpen program;
    QVERIFY(program.prompter.shown.isEmpty());  // no option.ini is no error
    QVERIFY(program.window()->isVisible());
    QCOMPARE(program.window()->windowTitle(), QStringLiteral("法則設定"));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!program.box("ChHo", i)->isChecked());
    }
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!program.box("Ch7", i)->isEnabled());
    }
    QVERIFY(!program.box("Chout", 6)->isEnabled());
    QCOMPARE(program.percent()->currentText(), QStringLiteral("15"));
    QCOMPARE(program.direction()->currentText(), QStringLiteral("以上"));
    QCOMPARE(program.percent()->lineEdit()->palette().color(QPalette::Base),
             systemColor(SystemColor::ButtonFace));
    QCOMPARE(program.direction()->lineEdit()->palette().color(QPalette::Base),
             systemColor(SystemColor::InactiveBorder));
    QCOMPARE(textColor(program.rule(QStringLiteral("LbD1"))), systemColor(SystemColor::GrayText));
    QCOMPARE(program.rule<QLabel>(QStringLiteral("Label10"))->palette().color(QPalette::Window),
             QColor(0, 0, 255));
    QCOMPARE(program.rule<QLabel>(QStringLiteral("Label4"))->text(), QStringLiteral("A"));
    QVERIFY(!QFile::exists(program.dir.folder().optionsFile()));
}

void RuleWindowTest::loadsTheStoredSettings() {
    RulesOpen program(kStoredFile);
    QVERIFY(program.box("ChHo", 0)->isChecked());
    QVERIFY(!program.box("ChHo", 1)->isChecked());
    QVERIFY(program.box("Ch7", 1)->isChecked() && program.box("Ch7", 1)->isEnabled());
    QVERIFY(program.box("Chout", 2)->isChecked());
    QCOMPARE(program.percent()->currentText(), QStringLiteral("20"));
    // The stored direction wins over the 以上 that switching the draw-rate method on sets.
    QCOMPARE(program.direction()->currentText(), QStringLiteral("以下"));
    QCOMPARE(textColor(program.rule(QStringLiteral("LbD2"))), systemColor(SystemColor::ButtonText));
}

void RuleWindowTest::unreadableOptionsFile() {
    RulesOpen program(QByteArray(kStoredFile).replace("kuji6", "Kuji6"));
    QCOMPARE(program.prompter.texts(),
             QStringList{"このファイルは、kuji6ぽむりんの予想ファイルではありません"});
    QCOMPARE(program.prompter.shown[0].title, QStringLiteral("kuji6ぽむりん"));
    QCOMPARE(program.prompter.shown[0].icon, MessageIcon::Information);
    QVERIFY(program.window()->isVisible());
    QVERIFY(!program.box("ChHo", 0)->isChecked());
    QCOMPARE(program.percent()->currentText(), QStringLiteral("15"));
}

void RuleWindowTest::sevenGroupLook() {
    RulesOpen program;
    program.click(program.box("ChHo", 0));
    QVERIFY(program.box("Ch7", 0)->isEnabled() && program.box("Chout", 6)->isEnabled());
    QCOMPARE(textColor(program.rule(QStringLiteral("Lb7(3)"))),
             systemColor(SystemColor::ButtonText));
    QCOMPARE(textColor(program.rule(QStringLiteral("Lab7"))), systemColor(SystemColor::ButtonText));
    program.click(program.box("Ch7", 1));
    program.click(program.box("Chout", 4));
    program.click(program.box("ChHo", 0));
    QVERIFY(!program.box("Ch7", 1)->isEnabled() && !program.box("Chout", 4)->isEnabled());
    QVERIFY(program.box("Ch7", 1)->isChecked() && program.box("Chout", 4)->isChecked());
    QCOMPARE(textColor(program.rule(QStringLiteral("Lb7(1)"))), systemColor(SystemColor::GrayText));
    // A click on a caption works its box.
    QTest::mouseClick(program.rule(QStringLiteral("Label1")), Qt::LeftButton);
    QVERIFY(program.box("ChHo", 0)->isChecked());
}

void RuleWindowTest::drawRateLookAndDirection() {
    RulesOpen program;
    program.direction()->setCurrentIndex(1);
    QCOMPARE(program.direction()->currentText(), QStringLiteral("以下"));
    program.click(program.box("ChHo", 2));
    QCOMPARE(program.direction()->currentText(), QStringLiteral("以上"));
    QCOMPARE(program.percent()->lineEdit()->palette().color(QPalette::Base),
             systemColor(SystemColor::WindowBackground));
    QCOMPARE(program.percent()->lineEdit()->palette().color(QPalette::Text),
             systemColor(SystemColor::ButtonText));
    program.direction()->setCurrentIndex(1);
    program.click(program.box("ChHo", 1));  // any method click while the draw-rate method is on
    QCOMPARE(program.direction()->currentText(), QStringLiteral("以上"));
    program.click(program.box("ChHo", 2));
    QCOMPARE(program.direction()->lineEdit()->palette().color(QPalette::Base),
             systemColor(SystemColor::InactiveBorder));
    QVERIFY(program.percent()->isEnabled());
}

void RuleWindowTest::confirmClearsWhatIsSwitchedOff() {
    RulesOpen program;
    program.click(program.box("ChHo", 0));
    for (int i = 0; i < 4; ++i) {
        program.click(program.box("Ch7", i));
    }
    program.click(program.box("Chout", 1));
    program.click(program.box("ChHo", 0));
    program.press("ComOk");
    QVERIFY(program.prompter.shown.isEmpty());
    QCOMPARE(
        program.optionsFile(),
        QByteArray(
            "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",0,0,0,0,\"\",0,0,0,1\r\n0,0,0,0,0,0,0\r\n"));
    QTRY_VERIFY(!program.window());
    QTest::mouseClick(program.control<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(program.percent()->currentText(), QStringLiteral("0"));
    QCOMPARE(program.direction()->currentText(), QString());
    QVERIFY(program.box("Ch7", 3)->isChecked());
}

void RuleWindowTest::percentageAbove100_data() {
    QTest::addColumn<QString>("percentage");
    QTest::addColumn<bool>("warned");
    QTest::newRow("100") << "100" << false;
    QTest::newRow("101") << "101" << true;
}

void RuleWindowTest::percentageAbove100() {
    QFETCH(QString, percentage);
    QFETCH(bool, warned);
    RulesOpen program;
    program.click(program.box("ChHo", 2));
    program.percent()->setEditText(percentage);
    program.press("ComOk");
    QCOMPARE(program.prompter.texts(),
             warned ? QStringList{"条件は100%以内でお願いしますよ。"} : QStringList{});
    QVERIFY(program.optionsFile().contains("," + percentage.toLatin1() + ",\"\x88\xc8\x8f\xe3\""));
    QVERIFY(!program.window());
}

void RuleWindowTest::emptyPercentageKeepsTheWindowOpen() {
    RulesOpen program(kStoredFile);
    program.percent()->setEditText(QString());
    program.press("ComOk");
    QCOMPARE(program.prompter.texts(), QStringList{"入力条件にエラーがあります。"});
    QCOMPARE(program.prompter.shown[0].title, QStringLiteral("注意!"));
    QVERIFY(program.window() && program.window()->isVisible());
    QCOMPARE(program.optionsFile(), kStoredFile);
}

void RuleWindowTest::cancelAndCloseBoxDiscard() {
    RulesOpen program(kStoredFile);
    program.click(program.box("ChHo", 1));
    program.press("Command2");
    QVERIFY(!program.window());
    QCOMPARE(program.optionsFile(), kStoredFile);
    program.menuItem(QStringLiteral("MnOp"))->trigger();
    QVERIFY(!program.box("ChHo", 1)->isChecked());
    program.click(program.box("ChHo", 1));
    program.window()->close();
    QVERIFY(!program.window());
    QCOMPARE(program.optionsFile(), kStoredFile);
}

void RuleWindowTest::keyFilters() {
    RulesOpen program;
    RuleWindow* window = program.window();
    clickOn(program.percent());
    press(window, Qt::Key_A, Qt::ControlModifier);
    type(window, QStringLiteral("1a2 %."));
    QCOMPARE(program.percent()->currentText(), QStringLiteral("12"));
    // The direction is only picked from the list: no key changes it in place.
    clickOn(program.direction());
    QCOMPARE(QApplication::focusWidget(), program.direction());
    type(window, QStringLiteral("x1"));
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End}) {
        press(window, key);
    }
    QCOMPARE(program.direction()->currentText(), QStringLiteral("以上"));
    QVERIFY(program.window()->isVisible());
}

void RuleWindowTest::enterAndEscape_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Enter in the percentage") << "CmbDeme" << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on a method box") << "ChHo(1)" << int(Qt::Key_Enter) << true;
    QTest::newRow("Escape in the percentage") << "CmbDeme" << int(Qt::Key_Escape) << false;
    QTest::newRow("Escape on a method box") << "ChHo(1)" << int(Qt::Key_Escape) << false;
}

// Enter is 設定 and Escape is キャンセル, wherever the focus is.
void RuleWindowTest::enterAndEscape() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(bool, saved);
    RulesOpen program;
    clickOn(program.rule(focused));
    press(program.window(), Qt::Key(key),
          key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QTRY_VERIFY(!program.window());
    QCOMPARE(program.optionsFile().isEmpty(), !saved);
    QVERIFY(program.prompter.shown.isEmpty());
}

void RuleWindowTest::groupLettersAreReadable_data() {
    QTest::addColumn<QString>("label");
    const char* labels[] = {"Label4",  "Label3",  "Label2", "Label9",
                            "Label10", "Label11", "Label12"};
    for (int group = 0; group < 7; ++group) {
        QTest::addRow("%c", 'A' + group) << QString::fromLatin1(labels[group]);
    }
}

// Contrast by relative luminance, as the web's accessibility guidelines measure it: 4.5:1
// is their least for text.
void RuleWindowTest::groupLettersAreReadable() {
    QFETCH(QString, label);
    RulesOpen program;
    const QPalette palette = program.rule(label)->palette();
    const auto luminance = [](const QColor& color) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
               0.0722 * linear(color.blueF());
    };
    const double text = luminance(palette.color(QPalette::WindowText));
    const double background = luminance(palette.color(QPalette::Window));
    const double contrast =
        (std::max(text, background) + 0.05) / (std::min(text, background) + 0.05);
    QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
}

void RuleWindowTest::groupTableIsTheGroupList() {
    RulesOpen program;
    program.press("Command1");
    GroupListWindow* list = program.windows().groupList();
    QVERIFY(list && list->isVisible());
    program.menuItem(QStringLiteral("MnColor"))->trigger();
    QCOMPARE(program.windows().groupList(), list);
}

void RuleWindowTest::threeExcludedGroupsRefuseTheRun() {
    RulesOpen program;
    program.click(program.box("ChHo", 0));
    for (int i : {0, 3, 5}) {
        program.click(program.box("Chout", i));
    }
    program.window()->hide();
    // Unconfirmed edits are the rules in force, for the luck course too.
    program.control<QRadioButton>(QStringLiteral("OpCose(0)"))->click();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.pressGo();
    QCOMPARE(program.prompter.texts(), QStringList{"除外する色は２個までです"});
    QCOMPARE(program.control<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText(),
             QStringLiteral("そんなに外したら選べないよ"));
    QVERIFY(program.window()->isVisible());
}

void RuleWindowTest::unreadableOptionsFileOncePerRun() {
    ProgramHarness program;
    program.dir.write(QStringLiteral("option.ini"), "garbage");
    program.start();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    for (int run = 1; run <= 2; ++run) {
        program.random.pushFiller(1);
        program.random.pushNumbers({1, 2, 3, 4, 5});
        program.pressGo();
        QCOMPARE(program.prompter.shown.size(), run);
        QCOMPARE(program.control<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText(),
                 QStringLiteral("5回乱数処理しました"));
        QVERIFY(!program.windows().existingRuleWindow());  // the luck course closes it
    }
}

void RuleWindowTest::steadyRunFromTheWindow() {
    ProgramHarness program;
    program.start();
    program.main()->show();
    QTest::mouseClick(program.control(QStringLiteral("Lb2")), Qt::LeftButton);
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.setText(QStringLiteral("Cmbkutisuu"), QStringLiteral("2"));
    program.random.pushFiller(1);
    program.random.pushNumbers({1, 2, 3, 4, 5, 6});
    program.pressGo();
    QCOMPARE(program.line(0), QStringLiteral("1 2 3 4 5 6"));
    QCOMPARE(program.line(6), QStringLiteral("2 3 4 5 6 7"));
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Txyosan"))->text(), QStringLiteral("2800"));
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("TxPage"))->text(),
             QStringLiteral("1/2page"));
    QVERIFY(program.windows().existingRuleWindow()->isVisible());
    auto* next = program.control<QPushButton>(QStringLiteral("ComNext"));
    QVERIFY(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("TxPage"))->text(),
             QStringLiteral("2/2page"));
    QVERIFY(program.control(QStringLiteral("Tx1(5)"))->isVisible());
    QVERIFY(!program.control(QStringLiteral("Tx1(0)"))->isVisible());
    QCOMPARE(program.line(7), QString());
    QVERIFY(!next->isEnabled());
    QTest::mouseClick(program.control<QPushButton>(QStringLiteral("ComPrv")), Qt::LeftButton);
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("TxPage"))->text(),
             QStringLiteral("1/2page"));
    QCOMPARE(program.line(0), QStringLiteral("1 2 3 4 5 6"));
}

QTEST_MAIN(RuleWindowTest)
#include "tst_rulewindow.moc"
