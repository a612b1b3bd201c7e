// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as a screen reader meets them: the tree Qt's accessibility interface builds,
// with its names, roles, relations and descriptions, and the keyboard alone.

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "programharness.h"
#include "ui/grouplistwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

// What a screen reader receives; no reader is there to hear it.
void ignoreUpdate(QAccessibleEvent*) {}

bool isInput(QAccessible::Role role) {
    switch (role) {
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::PushButton:
            return true;
        default:
            return false;
    }
}

QString nameOf(const QAccessibleInterface* node) {
    return node->text(QAccessible::Name);
}

// Every node under `root`, in the order a reader walks them; a combo box's own parts (its
// list and its text box) are the combo box, and a table's cells, read out with their row
// and column headers, are the table.
QList<QAccessibleInterface*> walk(QAccessibleInterface* root) {
    QList<QAccessibleInterface*> nodes{root};
    if (root->role() != QAccessible::ComboBox && root->role() != QAccessible::Table) {
        for (int i = 0; i < root->childCount(); ++i) {
            if (QAccessibleInterface* child = root->child(i)) {
                nodes << walk(child);
            }
        }
    }
    return nodes;
}

QList<QAccessibleInterface*> walk(QWidget* window) {
    return walk(QAccessible::queryAccessibleInterface(window));
}

QAccessibleInterface* nodeOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// The names of what labels `node`.
QStringList labelsOf(const QAccessibleInterface* node) {
    QStringList labels;
    for (const auto& [label, relation] : node->relations(QAccessible::Label)) {
        labels << nameOf(label);
    }
    return labels;
}

QString describe(const QAccessibleInterface* node) {
    // Items of a chart or a table have no object of their own.
    const QString name = node->object() ? node->object()->objectName() : QStringLiteral("item");
    return QStringLiteral("%1 (role %2)").arg(name).arg(node->role());
}

// The program with every window open: the rule settings over the steady course, the group
// list, the data update and its progress window.
struct AllWindows : ProgramHarness {
    AllWindows() {
        start();
        main()->show();
        clickOn(control(QStringLiteral("Lb2")));
        menuItem(QStringLiteral("MnOp"))->trigger();
        menuItem(QStringLiteral("MnColor"))->trigger();
        menuItem(QStringLiteral("Mndata"))->trigger();
        windows().openProgressWindow();
        menuItem(QStringLiteral("MnResult"))->trigger();
        menuItem(QStringLiteral("MnCheck"))->trigger();
        menuItem(QStringLiteral("MnStats"))->trigger();
    }
    QWidget* window(const QString& name) const {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name) {
                return top;
            }
        }
        qFatal("no window %s", qPrintable(name));
    }
};

void addWindowRows() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("title");
    QTest::newRow("main") << "main" << int(QAccessible::Window) << "Kuji6ぽむりん";
    QTest::newRow("rule settings") << "fmOp" << int(QAccessible::Dialog) << "法則設定";
    QTest::newRow("group list") << "fmColor" << int(QAccessible::Window) << "グループ一覧";
    QTest::newRow("data update") << "fmUpdate" << int(QAccessible::Dialog) << "データの更新";
    QTest::newRow("progress") << "fmDialog" << int(QAccessible::Window) << "kuji6ぽむりんUpdate";
    QTest::newRow("results") << "fmResult" << int(QAccessible::Dialog) << "当選番号の入力";
    QTest::newRow("check") << "fmCheck" << int(QAccessible::Dialog) << "当選確認";
    QTest::newRow("statistics") << "fmStats" << int(QAccessible::Window) << "出目統計";
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void windowsHaveTheirRoleAndTitle_data() { addWindowRows(); }
    void windowsHaveTheirRoleAndTitle();
    void everyInputSaysWhatItIs_data();
    void everyInputSaysWhatItIs();
    void decorationIsNotHeard_data() { addWindowRows(); }
    void decorationIsNotHeard();
    void comboBoxesAreLabelled_data();
    void comboBoxesAreLabelled();
    void drawRateBoxesSayTheMethodIsOff();
    void filledResultLinesAreTabStops_data();
    void filledResultLinesAreTabStops();
    void groupListWorksByKeyboard();
};

void AccessibilityTest::initTestCase() {
    // As under a screen reader: interfaces are made while the windows are built.
    QAccessible::installUpdateHandler(ignoreUpdate);
    QAccessible::setActive(true);
}

void AccessibilityTest::windowsHaveTheirRoleAndTitle() {
    QFETCH(QString, window);
    QFETCH(int, role);
    QFETCH(QString, title);
    AllWindows program;
    QAccessibleInterface* node = nodeOf(program.window(window));
    QCOMPARE(int(node->role()), role);
    QCOMPARE(nameOf(node), title);
}

void AccessibilityTest::everyInputSaysWhatItIs_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("hasInputs");
    QTest::newRow("main") << "main" << true;
    QTest::newRow("rule settings") << "fmOp" << true;
    QTest::newRow("group list") << "fmColor" << true;
    QTest::newRow("data update") << "fmUpdate" << true;
    QTest::newRow("progress") << "fmDialog" << false;
    QTest::newRow("results") << "fmResult" << true;
    QTest::newRow("check") << "fmCheck" << true;
    QTest::newRow("statistics") << "fmStats" << true;
}

// Each input, and whatever else takes the focus, is named, not by what it holds, and no two share a
// name: the boxes of page 2 are told from those of page 1. Qt on Linux names a combo box by its
// value, so a combo box must have a label and a description instead.
void AccessibilityTest::everyInputSaysWhatItIs() {
    QFETCH(QString, window);
    QFETCH(bool, hasInputs);
    AllWindows program;
    QHash<QString, QString> named;  // name -> the input that has it
    int inputs = 0;
    for (QAccessibleInterface* node : walk(program.window(window))) {
        if (!isInput(node->role()) && !node->state().focusable) {
            continue;
        }
        ++inputs;
        const QString what = describe(node);
        if (node->role() == QAccessible::ComboBox) {
            const QStringList labels = labelsOf(node);
            QVERIFY2(!labels.isEmpty() && !labels.contains(QString()), qPrintable(what));
            QVERIFY2(!node->text(QAccessible::Description).isEmpty(), qPrintable(what));
            continue;
        }
        const QString name = nameOf(node).trimmed();
        QVERIFY2(!name.isEmpty(), qPrintable(what + " has no name"));
        // Qt answers a table's every text but its description with the table's name.
        const bool view = node->role() == QAccessible::Table || node->role() == QAccessible::List;
        QVERIFY2(view || name != node->text(QAccessible::Value),
                 qPrintable(what + " is its value"));
        // Qt names a tab bar after its current tab, which is heard next, as the tab.
        if (node->role() == QAccessible::PageTabList) {
            continue;
        }
        QVERIFY2(!named.contains(name),
                 qPrintable(QStringLiteral("%1 and %2 are both %3").arg(named[name], what, name)));
        named.insert(name, what);
    }
    QCOMPARE(inputs > 0, hasInputs);
}

// No separator or frame without a name of its own, and no caption heard again beside the
// button it names.
void AccessibilityTest::decorationIsNotHeard() {
    QFETCH(QString, window);
    AllWindows program;
    const QList<QAccessibleInterface*> nodes = walk(program.window(window));
    QSet<QString> buttons;
    for (QAccessibleInterface* node : nodes) {
        if (node->role() == QAccessible::RadioButton || node->role() == QAccessible::CheckBox) {
            buttons << nameOf(node);
        }
    }
    for (QAccessibleInterface* node : nodes) {
        const QString what = describe(node) + " " + nameOf(node);
        // A menu's separators are the menu's own, and said to be.
        const bool widget = node->object() && node->object()->isWidgetType();
        QVERIFY2(!widget || (node->role() != QAccessible::Separator &&
                             node->role() != QAccessible::Border),
                 qPrintable(what));
        // A hidden label, such as a note with nothing to say yet, is not heard.
        const bool heard = !node->state().invisible;
        if (heard &&
            (node->role() == QAccessible::StaticText || node->role() == QAccessible::Graphic)) {
            QVERIFY2(!buttons.contains(nameOf(node)), qPrintable(what + " is heard twice"));
            QVERIFY2(!nameOf(node).isEmpty(), qPrintable(what + " says nothing"));
        }
    }
}

void AccessibilityTest::comboBoxesAreLabelled_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("favourite") << "main"
                               << "Cmbno" << QStringList{"コレは！という数字を一つ選んでください"};
    QTest::newRow("units") << "main"
                           << "Cmbkutisuu" << QStringList{"各口数"};
    QTest::newRow("draws") << "main"
                           << "Cmbkeizoku" << QStringList{"継続回数"};
    QTest::newRow("combinations") << "main"
                                  << "CmbABC" << QStringList{"5通りまで買えます　　　　　　通り"};
    QTest::newRow("random limit") << "main"
                                  << "CmbRimit" << QStringList{"乱数リミット", "回"};
    QTest::newRow("percentage") << "fmOp"
                                << "CmbDeme" << QStringList{"過去の出目率　　　　　％"};
    QTest::newRow("direction") << "fmOp"
                               << "CmbUorD" << QStringList{"を優先"};
    QTest::newRow("update source")
        << "fmUpdate"
        << "CmbSel" << QStringList{"更新ファイルの場所", "からアップデート"};
    QTest::newRow("draw to check")
        << "fmCheck"
        << "CmbCheckKai" << QStringList{"第", "回の当選番号と照らし合わせます"};
    QTest::newRow("history window") << "fmStats"
                                    << "CmbStatsWindow" << QStringList{"集計範囲(R):"};
}

void AccessibilityTest::comboBoxesAreLabelled() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QStringList, labels);
    AllWindows program;
    QAccessibleInterface* node = nodeOf(ProgramHarness::find(program.window(window), box));
    const QStringList found = labelsOf(node);
    for (const QString& label : labels) {
        QVERIFY2(found.contains(label), qPrintable(found.join(u'|')));
    }
}

// Grey while the draw-rate method is off, the boxes still take input: they say so.
void AccessibilityTest::drawRateBoxesSayTheMethodIsOff() {
    AllWindows program;
    QWidget* rules = program.window(QStringLiteral("fmOp"));
    const auto boxes = {ProgramHarness::find<QComboBox>(rules, QStringLiteral("CmbDeme")),
                        ProgramHarness::find<QComboBox>(rules, QStringLiteral("CmbUorD"))};
    for (const bool on : {false, true}) {
        for (QComboBox* box : boxes) {
            const QAccessibleInterface* node = nodeOf(box);
            QCOMPARE(node->text(QAccessible::Description).contains(QStringLiteral("オフ")), !on);
            QVERIFY(!node->state().disabled);
        }
        clickOn(ProgramHarness::find(rules, QStringLiteral("ChHo(2)")));
    }
}

void AccessibilityTest::filledResultLinesAreTabStops_data() {
    QTest::addColumn<QString>("course");
    QTest::addColumn<int>("combinations");
    QTest::addColumn<bool>("pageTwo");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QString>("before");  // the stop before the first box
    QTest::newRow("two lines of the luck course")
        << "Lb1" << 2 << false << QList<int>{0, 1} << "ComGO";
    QTest::newRow("page 1 of the steady course")
        << "Lb2" << 1 << false << QList<int>{0, 1, 2, 3, 4} << "ComNext";
    QTest::newRow("page 2 of the steady course")
        << "Lb2" << 1 << true << QList<int>{5, 6} << "ComPrv";
}

// Tab reaches the filled boxes of the page shown, read-only, after the page buttons; a
// page turned by Space keeps the focus on the page buttons, which say the page shown.
void AccessibilityTest::filledResultLinesAreTabStops() {
    QFETCH(QString, course);
    QFETCH(int, combinations);
    QFETCH(bool, pageTwo);
    QFETCH(QList<int>, lines);
    QFETCH(QString, before);
    ProgramHarness program;
    program.start();
    MainWindow* main = program.main();
    main->show();
    clickOn(program.control(course));
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.setText(QStringLiteral("CmbABC"), QString::number(combinations));
    program.random.pushFiller(1);
    for (int line = 0; line < 7; ++line) {
        program.random.pushNumbers({1, 2, 3, 4, 5, 6});
    }
    program.pressGo();
    main->activateWindow();  // from the rule window, which the steady course shows
    QVERIFY(QTest::qWaitForWindowActive(main));
    if (pageTwo) {
        // Turned by a click, then twice by Space: the focus goes from one page button to
        // the other and nowhere else.
        clickOn(program.control(QStringLiteral("ComNext")));
        press(main, Qt::Key_Space);
        QStringList focused;
        const QMetaObject::Connection watching =
            connect(qApp, &QApplication::focusChanged, this, [&focused](QWidget*, QWidget* now) {
                focused << (now ? now->objectName() : QString());
            });
        press(main, Qt::Key_Space);
        disconnect(watching);
        QCOMPARE(focused, QStringList{"ComPrv"});
        QCOMPARE(nodeOf(program.control(QStringLiteral("ComPrv")))->text(QAccessible::Description),
                 QStringLiteral("2/2pageを表示中"));
    } else {
        clickOn(program.control(QStringLiteral("Txkai")));
    }
    QStringList expected;
    for (int line : lines) {
        for (int n = 1; n <= 6; ++n) {
            expected << QStringLiteral("Tx%1(%2)").arg(n).arg(line);
        }
    }
    const QStringList stops =
        QStringList{QApplication::focusWidget()->objectName()} + tabStops(main);
    const qsizetype first = stops.indexOf(expected.first());
    QVERIFY2(first > 0, qPrintable(stops.join(u' ')));
    QCOMPARE(stops.mid(first, expected.size()), expected);
    QCOMPARE(stops[first - 1], before);
    QCOMPARE(stops.mid(first + expected.size(), 1), QStringList{"Txkai"});
    auto* box = program.control<QLineEdit>(expected.first());
    QVERIFY(box->isReadOnly());
    QVERIFY(nodeOf(box)->state().readOnly);
    QCOMPARE(nameOf(nodeOf(program.control(QStringLiteral("TxPage")))), QStringLiteral("ページ"));
}

void AccessibilityTest::groupListWorksByKeyboard() {
    ProgramHarness program;
    program.start();
    program.main()->show();
    program.menuItem(QStringLiteral("MnColor"))->trigger();
    GroupListWindow* list = program.windows().groupList();
    QVERIFY(QTest::qWaitForWindowActive(list));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Label(0)"));
    QCOMPARE(nameOf(nodeOf(QApplication::focusWidget())),
             QStringLiteral("グループA 1, 8, 15, 22, 29, 36, 43"));
    QCOMPARE(tabStops(list), (QStringList{"Label(1)", "Label(2)", "Label(3)", "Label(4)",
                                          "Label(5)", "Label(6)", "Label(0)"}));
    press(list, Qt::Key_Escape);
    QTRY_VERIFY(!program.windows().groupList());
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
