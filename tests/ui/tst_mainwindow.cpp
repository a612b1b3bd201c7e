// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "datafiles/chainfiles.h"
#include "engine/state.h"
#include "programharness.h"
#include "ui/grouplistwindow.h"
#include "ui/mainwindow.h"
#include "ui/systemcolors.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

using Program = ProgramHarness;

// The ten best numbers of the shipped chain data, as the program ranks them.
QStringList shippedChainList(const ProgramFolderFixture& dir) {
    PredictionState state;
    loadChainRanking(state, dir.folder(), [](const QString&) {});
    QStringList list;
    for (int rank = 43; rank >= 34; --rank) {
        list << QString::number(state.rensaTable[rank]);
    }
    return list;
}

// Counts the paint events of a widget.
class PaintCounter final : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startUpFillsTheWindow();
    void startsWithoutChainData();
    void captionsShareOneJapaneseFace();
    void courseSwitch_data();
    void courseSwitch();
    void digitsOnlyFilter_data();
    void digitsOnlyFilter();
    void enterPressesGo_data();
    void enterPressesGo();
    void tabStops();
    void goShowsTheLines();
    void goReportsErrors();
    void luckGoBuildsNoWidget();
    void goPaintsNoBar();
    void barIsPaintedOncePerFrame();
    void linesOfPageTwoStayHidden();
    void pagesKeepTheWindowSize();
    void windowsKeepTheirNaturalSize_data();
    void windowsKeepTheirNaturalSize();
    void groupListIsOneWindow();
    void backToPredictionModeGivesAFreshWindow();
};

void MainWindowTest::startUpFillsTheWindow() {
    Program program;
    program.start();
    MainWindow* main = program.main();
    QCOMPARE(main->objectName(), QStringLiteral("main"));
    QCOMPARE(main->windowTitle(), QStringLiteral("Kuji6ぽむりん"));
    auto* cmbno = program.control<QComboBox>(QStringLiteral("Cmbno"));
    QCOMPARE(program.items(QStringLiteral("Cmbno")), shippedChainList(program.dir));
    QCOMPARE(cmbno->currentText(), QString());
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Txkai"))->text(), QStringLiteral("2038"));
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Txday"))->text(),
             QLocale::system().toString(QDate(2001, 6, 10), QLocale::ShortFormat));
    QVERIFY(program.control<QRadioButton>(QStringLiteral("OpCose(0)"))->isChecked());
    QVERIFY(!program.control(QStringLiteral("Command2"))->isEnabled());
    QVERIFY(!program.menuItem(QStringLiteral("MnOp"))->isEnabled());
    QVERIFY(!program.menuItem(QStringLiteral("MnSave"))->isEnabled());
    QVERIFY(program.menuItem(QStringLiteral("MnColor"))->isEnabled());
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("TxPage"))->text(),
             QStringLiteral("1/1page"));
    QVERIFY(!program.control(QStringLiteral("ComPrv"))->isEnabled());
    QVERIFY(!program.control(QStringLiteral("ComNext"))->isEnabled());
    QVERIFY(program.control(QStringLiteral("Tx1(0)"))->isVisible());
    QVERIFY(!program.control(QStringLiteral("Tx1(5)"))->isVisible());
    QCOMPARE(program.control<QComboBox>(QStringLiteral("CmbRimit"))->currentText(),
             QStringLiteral("20000"));
    QCOMPARE(program.items(QStringLiteral("CmbABC")), (QStringList{"1", "2", "3", "4", "5"}));
    QCOMPARE(program.control<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText(),
             QStringLiteral("買い目の最終判断はご自分で・・・"));
    QCOMPARE(program.control<QGroupBox>(QStringLiteral("FrameK(4)"))->title(),
             QStringLiteral("組合せ E"));
    QCOMPARE(program.control<QLabel>(QStringLiteral("Label1"))->text(),
             QStringLiteral("第　　　　回分予想"));
    QCOMPARE(program.dir.read(QStringLiteral("data/rens.ini")),
             shippedChainList(program.dir).join(u',').toLatin1() + "\r\n");
    QVERIFY(program.prompter.shown.isEmpty());
}

// The default font here has no Japanese: every caption is then in a face that has, the
// emphasised ones only larger, so that no kana comes from a fallback font and no second
// face is loaded on the way to the window.
void MainWindowTest::captionsShareOneJapaneseFace() {
    Program program;
    program.start();
    const QFont windowFont = program.main()->font();
    const QString family = QFontInfo(windowFont).family();
    QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese),
             qPrintable(family));
    for (const char* name : {"Label1", "ComGO", "Tx1(0)", "Label3"}) {
        const QFontInfo font(program.control(QLatin1String(name))->font());
        QCOMPARE(font.family(), family);
        QVERIFY(!font.bold());
        QVERIFY(font.pointSizeF() >= windowFont.pointSizeF());
    }
    QVERIFY(QFontInfo(program.control(QStringLiteral("ComGO"))->font()).pointSizeF() >
            windowFont.pointSizeF());
}

void MainWindowTest::startsWithoutChainData() {
    Program program;
    program.dir.remove(QStringLiteral("data/rensa.ini"));
    program.start();
    QCOMPARE(program.prompter.shown.size(), 1);
    QCOMPARE(program.prompter.shown[0].icon, MessageIcon::Warning);
    QVERIFY(program.prompter.shown[0].text.contains(
        QDir::toNativeSeparators(program.dir.folder().rensaFile())));
    QCOMPARE(program.control<QComboBox>(QStringLiteral("Cmbno"))->count(), 0);
    QVERIFY(program.main()->isVisible());
}

void MainWindowTest::courseSwitch_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("course");
    for (int k = 0; k < 3; ++k) {
        QTest::addRow("option %d", k) << QStringLiteral("OpCose(%1)").arg(k) << k;
        QTest::addRow("label %d", k + 1) << QStringLiteral("Lb%1").arg(k + 1) << k;
    }
}

void MainWindowTest::courseSwitch() {
    QFETCH(QString, clicked);
    QFETCH(int, course);
    Program program;
    program.start();
    program.main()->show();
    // Start from another course, so the switch has something to change.
    QTest::mouseClick(program.control(QStringLiteral("Lb%1").arg((course + 1) % 3 + 1)),
                      Qt::LeftButton);
    QWidget* target = program.control(clicked);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));

    const bool steady = course == 1;
    QCOMPARE(courseIndex(program.main()->selectedCourse()), course);
    QVERIFY(program.control<QRadioButton>(QStringLiteral("OpCose(%1)").arg(course))->isChecked());
    auto* cmbABC = program.control<QComboBox>(QStringLiteral("CmbABC"));
    QCOMPARE(cmbABC->isEnabled(), !steady);
    QCOMPARE(cmbABC->lineEdit()->palette().color(QPalette::Base),
             systemColor(steady ? SystemColor::ButtonFace : SystemColor::WindowBackground));
    QCOMPARE(
        program.control<QLabel>(QStringLiteral("Lbcmb2"))->palette().color(QPalette::WindowText),
        systemColor(steady ? SystemColor::GrayText : SystemColor::ButtonText));
    QCOMPARE(program.control(QStringLiteral("Command2"))->isEnabled(), course != 0);
    QCOMPARE(program.menuItem(QStringLiteral("MnOp"))->isEnabled(), course != 0);
}

void MainWindowTest::digitsOnlyFilter_data() {
    QTest::addColumn<QString>("box");
    for (const char* name : {"CmbABC", "Cmbkeizoku", "Cmbkutisuu", "Cmbno", "CmbRimit"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void MainWindowTest::digitsOnlyFilter() {
    QFETCH(QString, box);
    Program program;
    program.start();
    MainWindow* main = program.main();
    main->show();
    auto* combo = program.control<QComboBox>(box);
    clickOn(combo);
    QCOMPARE(QApplication::focusWidget(), combo);
    press(main, Qt::Key_A, Qt::ControlModifier);
    type(main, QStringLiteral("a1-2.x 3"));
    QCOMPARE(combo->currentText(), QStringLiteral("123"));
    press(main, Qt::Key_Backspace);
    QCOMPARE(combo->currentText(), QStringLiteral("12"));
    press(main, Qt::Key_Left);
    press(main, Qt::Key_Delete);
    QCOMPARE(combo->currentText(), QStringLiteral("1"));
    // Shortcuts are not typing: select all and type over it.
    press(main, Qt::Key_A, Qt::ControlModifier);
    type(main, QStringLiteral("9"));
    QCOMPARE(combo->currentText(), QStringLiteral("9"));
    // Pasted text is not filtered.
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    press(main, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(combo->currentText(), QStringLiteral("9x"));
}

void MainWindowTest::enterPressesGo_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    for (const char* name :
         {"Txkai", "Txday", "Cmbno", "Cmbkutisuu", "Cmbkeizoku", "CmbABC", "CmbRimit"}) {
        QTest::addRow("Enter in %s", name) << QString::fromLatin1(name) << int(Qt::Key_Return);
    }
    QTest::newRow("keypad Enter") << "CmbRimit" << int(Qt::Key_Enter);
}

void MainWindowTest::enterPressesGo() {
    QFETCH(QString, box);
    QFETCH(int, key);
    Program program;
    program.start();
    program.main()->show();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.random.pushFiller(1);
    program.random.pushNumbers({5, 43, 12, 1, 30});
    clickOn(program.control(box));
    press(program.main(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(program.line(0), QStringLiteral("1 5 7 12 30 43"));
    QVERIFY(program.prompter.shown.isEmpty());
}

void MainWindowTest::tabStops() {
    Program program;
    program.start();
    program.main()->show();
    clickOn(program.control(QStringLiteral("Txkai")));
    // The read-only boxes, the comment among them, are no stops; disabled buttons neither.
    QCOMPARE(kuji6::test::tabStops(program.main()),
             (QStringList{"Txday", "OpCose(0)", "Cmbno", "Cmbkutisuu", "Cmbkeizoku", "CmbABC",
                          "CmbRimit", "ComGO", "Txkai"}));
}

void MainWindowTest::goShowsTheLines() {
    Program program;
    program.start();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.setText(QStringLiteral("CmbABC"), QStringLiteral("2"));
    program.setText(QStringLiteral("Cmbkutisuu"), QStringLiteral("3"));
    program.random.pushFiller(1);
    program.random.pushNumbers({5, 43, 12, 1, 30, 2, 3, 4, 6, 8});
    program.pressGo();
    QCOMPARE(program.line(0), QStringLiteral("1 5 7 12 30 43"));
    QCOMPARE(program.line(1), QStringLiteral("2 3 4 6 7 8"));
    QCOMPARE(program.line(2), QString());
    QCOMPARE(program.control<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText(),
             QStringLiteral("10回乱数処理しました"));
    QVERIFY(!program.control(QStringLiteral("Text1"))->isHidden());
    QVERIFY(program.control(QStringLiteral("Bar"))->isHidden());
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Txyosan"))->text(), QStringLiteral("1200"));
    QVERIFY(program.menuItem(QStringLiteral("MnSave"))->isEnabled());
    QCOMPARE(program.main()->cursor().shape(), Qt::ArrowCursor);
}

void MainWindowTest::goReportsErrors() {
    Program program;
    program.start();
    program.setText(QStringLiteral("Cmbno"), QString());
    program.pressGo();
    QCOMPARE(program.prompter.texts(), QStringList{"入力条件にエラーがあります。"});
    QCOMPARE(program.control<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText(),
             QStringLiteral("エラーが発生しました"));
    QVERIFY(!program.menuItem(QStringLiteral("MnSave"))->isEnabled());
}

// The luck course uses no rules: its GO builds nothing, not even a hidden window.
void MainWindowTest::luckGoBuildsNoWidget() {
    Program program;
    program.start();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.random.pushFiller(1);
    program.random.pushNumbers({5, 43, 12, 1, 30});
    const qsizetype widgets = QApplication::allWidgets().size();
    program.pressGo();
    QCOMPARE(program.line(0), QStringLiteral("1 5 7 12 30 43"));
    QCOMPARE(QApplication::allWidgets().size(), widgets);
}

// A run ends within the click that starts it: the bar is shown and hidden again before the
// event loop has a turn, so it is never painted, and it keeps the end of the sweep.
void MainWindowTest::goPaintsNoBar() {
    Program program;
    program.start();
    program.main()->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.main()));
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.random.pushFiller(1);
    program.random.pushNumbers({5, 43, 12, 1, 30});
    auto* bar = program.control<QProgressBar>(QStringLiteral("Bar"));
    PaintCounter counter(bar);
    clickOn(program.control(QStringLiteral("ComGO")));
    QCOMPARE(program.line(0), QStringLiteral("1 5 7 12 30 43"));
    QCOMPARE(counter.paints, 0);
    QVERIFY(bar->isHidden());
    QCOMPARE(bar->value(), 20000);
}

// However many values a shown bar is given between two frames, it is painted once, with the
// newest.
void MainWindowTest::barIsPaintedOncePerFrame() {
    Program program;
    program.start();
    program.main()->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.main()));
    auto* bar = program.control<QProgressBar>(QStringLiteral("Bar"));
    PaintCounter counter(bar);
    RunDisplay& display = *program.main();
    display.setProgressRange(0, 1000);
    display.setProgressVisible(true);
    QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(bar->value(), 0);
    counter.paints = 0;
    for (int value = 1; value <= 1000; ++value) {
        display.setProgressValue(value);
    }
    QCOMPARE(counter.paints, 0);
    QTRY_COMPARE(bar->value(), 1000);
    QCOMPARE(counter.paints, 1);
}

void MainWindowTest::linesOfPageTwoStayHidden() {
    Program program;
    program.start();
    program.main()->show();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("43"));
    program.setText(QStringLiteral("CmbABC"), QStringLiteral("7"));
    program.random.pushFiller(1);
    for (int line = 0; line < 7; ++line) {
        program.random.pushNumbers({1, 2, 3, 4, 5});
    }
    program.pressGo();
    QCOMPARE(program.line(6), QStringLiteral("1 2 3 4 5 43"));
    QVERIFY(!program.control(QStringLiteral("Tx1(6)"))->isVisible());
    QVERIFY(!program.control(QStringLiteral("ComNext"))->isEnabled());
}

void MainWindowTest::pagesKeepTheWindowSize() {
    Program program;
    program.start();
    MainWindow* main = program.main();
    main->show();
    clickOn(program.control(QStringLiteral("Lb2")));
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    for (int run = 0; run < 2; ++run) {
        program.random.pushFiller(1);
        program.random.pushNumbers({1, 2, 3, 4, 5, 6});
    }
    program.pressGo();
    QCoreApplication::processEvents();
    const QSize natural = main->size();
    main->activateWindow();  // from the rule window, which the steady course shows
    QVERIFY(QTest::qWaitForWindowActive(main));
    clickOn(program.control(QStringLiteral("ComNext")));
    // Each page button hands the focus to the other: Space turns back and forth.
    for (const char* focused : {"ComPrv", "ComNext"}) {
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(focused));
        QCoreApplication::processEvents();
        QCOMPARE(main->size(), natural);
        press(main, Qt::Key_Space);
    }
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("TxPage"))->text(),
             QStringLiteral("2/2page"));
    QCOMPARE(main->size(), natural);
    // A run started on page 2 turns back to page 1 first.
    program.pressGo();
    QCoreApplication::processEvents();
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("TxPage"))->text(),
             QStringLiteral("1/2page"));
    QCOMPARE(main->size(), natural);
}

void MainWindowTest::windowsKeepTheirNaturalSize_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("window");
    QTest::newRow("main") << ""
                          << "main";
    QTest::newRow("rule settings") << "MnOp"
                                   << "fmOp";
    QTest::newRow("data update") << "Mndata"
                                 << "fmUpdate";
    QTest::newRow("group list") << "MnColor"
                                << "fmColor";
}

// The controls have the sizes their contents need: a larger window would only spread them
// apart, a smaller one would cut them.
void MainWindowTest::windowsKeepTheirNaturalSize() {
    QFETCH(QString, menuItem);
    QFETCH(QString, window);
    Program program;
    program.start();
    program.main()->show();
    program.main()->selectCourse(Course::Wide);
    if (!menuItem.isEmpty()) {
        program.menuItem(menuItem)->trigger();
    }
    QWidget* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == window && top->isVisible()) {
            shown = top;
        }
    }
    QVERIFY(shown);
    const QSize natural = shown->size();
    for (const QSize change : {QSize(300, 200), QSize(-150, -100)}) {
        shown->resize(natural + change);
        QCOMPARE(shown->size(), natural);
    }
}

void MainWindowTest::groupListIsOneWindow() {
    Program program;
    program.start();
    program.menuItem(QStringLiteral("MnColor"))->trigger();
    GroupListWindow* first = program.windows().groupList();
    program.menuItem(QStringLiteral("MnColor"))->trigger();
    QCOMPARE(program.windows().groupList(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("グループ一覧"));
    QCOMPARE(first->findChild<QGroupBox*>(QStringLiteral("Frame(0)"))->title(),
             QStringLiteral("グループA"));
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Label(0)"))->text(),
             QStringLiteral("1, 8, 15, 22, 29, 36, 43"));
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("Label(6)"))->text(),
             QStringLiteral("7, 14, 21, 28, 35, 42"));
    press(first, Qt::Key_Escape);
    QTRY_VERIFY(!program.windows().groupList());
}

void MainWindowTest::backToPredictionModeGivesAFreshWindow() {
    Program program;
    program.start();
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    QTest::mouseClick(program.control(QStringLiteral("Lb3")), Qt::LeftButton);
    program.random.pushFiller(1);
    program.random.pushNumbers({5, 43, 12, 1, 30});
    program.control<QRadioButton>(QStringLiteral("OpCose(0)"))->click();
    program.pressGo();
    program.menuItem(QStringLiteral("MnColor"))->trigger();
    QPointer<MainWindow> old = program.main();
    const qint16 lastKai = program.state.lastKai;

    program.menuItem(QStringLiteral("MnBack"))->trigger();
    QTRY_VERIFY(old.isNull());
    QVERIFY(program.main());
    QVERIFY(program.control<QRadioButton>(QStringLiteral("OpCose(0)"))->isChecked());
    QCOMPARE(program.line(0), QString());
    QVERIFY(!program.menuItem(QStringLiteral("MnSave"))->isEnabled());
    QVERIFY(!program.menuItem(QStringLiteral("MnOp"))->isEnabled());
    QVERIFY(!program.windows().groupList());
    QCOMPARE(program.state.lastKai, lastKai);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
