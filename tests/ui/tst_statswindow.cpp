// SPDX-License-Identifier: GPL-3.0-or-later

#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

#include "datafiles/numberstats.h"
#include "programharness.h"
#include "ui/mainwindow.h"
#include "ui/statswindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QString kHistory = QStringLiteral("data/history/draws-6of43.csv");

// The program over the shipped data and history, its statistics window opened from the menu.
struct StatsProgram {
    ProgramHarness program;

    explicit StatsProgram(const QString& missing = {}) {
        QDir(program.dir.path(QStringLiteral("data"))).mkpath(QStringLiteral("history"));
        program.dir.write(kHistory, shippedData(QStringLiteral("history/draws-6of43.csv")));
        program.start();
        if (!missing.isEmpty()) {
            program.dir.remove(missing);
        }
        program.menuItem(QStringLiteral("MnStats"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(window()));
    }
    StatsWindow* window() const { return program.windows().stats(); }
    template <class T = QWidget>
    T* control(const QString& name) const {
        return ProgramHarness::find<T>(window(), name);
    }
    // Column `column` of the table top to bottom, as shown.
    QStringList column(int column) const {
        const QAbstractItemModel* model = control<QTableView>(QStringLiteral("TvStats"))->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row) {
            texts << model->index(row, column).data().toString();
        }
        return texts;
    }
};

QStringList texts(const std::vector<NumberRow>& rows, int (*value)(const NumberRow&)) {
    QStringList result;
    for (const NumberRow& row : rows) {
        result << QString::number(value(row));
    }
    return result;
}

}  // namespace

class StatsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnceFromTheViewMenu();
    void tableShowsTheFilesForEachStretch_data();
    void tableShowsTheFilesForEachStretch();
    void sortsByAnyColumn();
    void chainListIsTheFavouriteList();
    void hoverTellsTheRate();
    void missingFileIsToldInside_data();
    void missingFileIsToldInside();
    void reloadReadsTheFilesAgain();
    void savesThePicture();
    void pictureSaveFailureIsTold();
    void fitsTheScreen_data();
    void fitsTheScreen();
};

void StatsWindowTest::opensOnceFromTheViewMenu() {
    StatsProgram stats;
    ProgramHarness& program = stats.program;
    QAction* item = program.menuItem(QStringLiteral("MnStats"));
    QCOMPARE(item->text(), QStringLiteral("出目統計(&T)"));
    const QList<QAction*> view = program.control<QMenu>(QStringLiteral("MnHJ"))->actions();
    QCOMPARE(view.indexOf(item), view.indexOf(program.menuItem(QStringLiteral("MnColor"))) + 1);
    QCOMPARE(stats.window()->objectName(), QStringLiteral("fmStats"));
    QCOMPARE(stats.window()->windowTitle(), QStringLiteral("出目統計"));
    QPointer<StatsWindow> first = stats.window();
    item->trigger();
    QCOMPARE(program.windows().stats(), first.data());
    QVERIFY(!stats.control<QLabel>(QStringLiteral("LbStatsProblem"))->isVisible());
    // Closed with the main window.
    program.menuItem(QStringLiteral("MnQuit"))->trigger();
    QTRY_VERIFY(first.isNull());
}

void StatsWindowTest::tableShowsTheFilesForEachStretch_data() {
    QTest::addColumn<int>("choice");
    for (int choice = 0; choice < static_cast<int>(historyWindows().size()); ++choice) {
        QTest::newRow(qPrintable(historyWindows()[static_cast<std::size_t>(choice)].caption))
            << choice;
    }
}

void StatsWindowTest::tableShowsTheFilesForEachStretch() {
    QFETCH(int, choice);
    StatsProgram stats;
    auto* box = stats.control<QComboBox>(QStringLiteral("CmbStatsWindow"));
    QCOMPARE(box->currentText(), QStringLiteral("直近50回"));
    // To the box by its label's key, then down its list from the top.
    press(stats.window(), Qt::Key_R, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), box);
    press(stats.window(), Qt::Key_Home);
    for (int i = 0; i < choice; ++i) {
        press(stats.window(), Qt::Key_Down);
    }
    const HistoryWindow& window = historyWindows()[static_cast<std::size_t>(choice)];
    QCOMPARE(box->currentText(), window.caption);

    const NumberStatistics expected = readNumberStatistics(stats.program.dir.folder());
    const std::vector<NumberRow> rows = expected.rows(window.draws);
    QCOMPARE(stats.column(0), texts(rows, [](const NumberRow& r) { return r.number; }));
    QCOMPARE(stats.column(2), texts(rows, [](const NumberRow& r) { return *r.drawRate; }));
    QCOMPARE(stats.column(3), texts(rows, [](const NumberRow& r) { return r.count.main; }));
    QCOMPARE(stats.column(4), texts(rows, [](const NumberRow& r) { return r.count.bonus; }));
    QCOMPARE(stats.column(5), texts(rows, [](const NumberRow& r) { return *r.drawsSince; }));
    // The rates are the file's own lines: line n + 1 of data/deme.ini is number n.
    const QList<QByteArray> deme = shippedData(QStringLiteral("deme.ini")).split('\n');
    for (int n = 1; n <= 43; ++n) {
        const QList<QByteArray> fields = deme[n].trimmed().split(',');
        QCOMPARE(stats.column(2)[n - 1], QString::fromLatin1(fields[0]));
        QCOMPARE(stats.column(1)[n - 1], QString(QChar(u'A' + fields[1].toInt() - 1)));
    }
    QVERIFY(stats.control<QChartView>(QStringLiteral("ChartCount"))
                ->chart()
                ->title()
                .startsWith(window.caption + QStringLiteral("の出現回数")));
}

void StatsWindowTest::sortsByAnyColumn() {
    StatsProgram stats;
    auto* table = stats.control<QTableView>(QStringLiteral("TvStats"));
    QCOMPARE(table->accessibleName(), QStringLiteral("数字ごとの統計"));
    QHeaderView* header = table->horizontalHeader();
    for (int column = 0; column < 6; ++column) {
        const QPoint centre(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
            header->height() / 2);
        QTest::mouseClick(stats.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          header->viewport()->mapTo(stats.window(), centre));
        QCOMPARE(header->sortIndicatorSection(), column);
        const bool ascending = header->sortIndicatorOrder() == Qt::AscendingOrder;
        const QStringList shown = stats.column(column);
        for (qsizetype row = 1; row < shown.size(); ++row) {
            // Numbers by value, group letters by letter.
            const auto key = [column](const QString& text) {
                return column == 1 ? static_cast<double>(text.at(0).unicode()) : text.toDouble();
            };
            QVERIFY2(ascending ? key(shown[row - 1]) <= key(shown[row])
                               : key(shown[row - 1]) >= key(shown[row]),
                     qPrintable(shown.join(u' ')));
        }
    }
}

void StatsWindowTest::chainListIsTheFavouriteList() {
    StatsProgram stats;
    const auto* list = stats.control<QListWidget>(QStringLiteral("LvChain"));
    QStringList numbers;
    for (int i = 0; i < list->count(); ++i) {
        numbers << list->item(i)->data(Qt::UserRole).toString();
    }
    QCOMPARE(numbers, stats.program.items(QStringLiteral("Cmbno")));
    const ChainOutlook outlook = readChainOutlook(stats.program.dir.folder().rensaFile());
    for (int i = 0; i < list->count(); ++i) {
        const ChainPlace& place = outlook.list[static_cast<std::size_t>(i)];
        QCOMPARE(list->item(i)->text(),
                 QStringLiteral("%1位 %2（%3）").arg(i + 1).arg(place.number).arg(place.score));
    }
    const QByteArray latest = shippedData(QStringLiteral("rensa.ini")).split('\r').front();
    const QList<QByteArray> fields = latest.split(',');
    QStringList six;
    for (const QByteArray& field : fields.mid(1)) {
        six << QString::fromLatin1(field);
    }
    QCOMPARE(stats.control<QLabel>(QStringLiteral("LbStatsLatest"))->text(),
             QStringLiteral("第%1回の本数字: %2 → 第%3回の連鎖リスト")
                 .arg(QString::fromLatin1(fields[0]), six.join(QStringLiteral(", ")))
                 .arg(fields[0].toInt() + 1));
}

void StatsWindowTest::hoverTellsTheRate() {
    StatsProgram stats;
    auto* view = stats.control<QChartView>(QStringLiteral("ChartRate"));
    QChart* chart = view->chart();
    QAbstractSeries* bars = chart->series().front();
    // Half way up the bar of 12 (index 11), then over it.
    const int rate = stats.column(2)[11].toInt();
    const QPointF scene = chart->mapToPosition(QPointF(11, rate / 2.0), bars);
    const QPoint inWindow = view->viewport()->mapTo(stats.window(), view->mapFromScene(scene));
    QTest::mouseMove(stats.window()->windowHandle(), inWindow - QPoint(0, 4));
    QTest::mouseMove(stats.window()->windowHandle(), inWindow);
    const QString expected =
        QStringLiteral("12（グループ%1）: 出目率 %2%").arg(stats.column(1)[11]).arg(rate);
    QCOMPARE(stats.window()->rateBarText(12), expected);
    QTRY_COMPARE(QToolTip::text(), expected);
}

void StatsWindowTest::missingFileIsToldInside_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("problem");
    QTest::newRow("deme.ini") << "data/deme.ini"
                              << "出目データ";
    QTest::newRow("history") << kHistory << "抽せん履歴";
    QTest::newRow("rensa.ini") << "data/rensa.ini"
                               << "連鎖データ";
}

void StatsWindowTest::missingFileIsToldInside() {
    QFETCH(QString, file);
    QFETCH(QString, problem);
    StatsProgram stats(file);
    auto* line = stats.control<QLabel>(QStringLiteral("LbStatsProblem"));
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(),
             QStringLiteral("%1（%2）を読み込めませんでした: ファイルが見つかりません")
                 .arg(problem, QDir::toNativeSeparators(stats.program.dir.path(file))));
    // The rest still shows.
    QCOMPARE(stats.column(0).size(), 43);
    QCOMPARE(stats.column(2).contains(QStringLiteral("—")),
             file.endsWith(QStringLiteral("deme.ini")));
    QCOMPARE(stats.control<QListWidget>(QStringLiteral("LvChain"))->count(),
             file.endsWith(QStringLiteral("rensa.ini")) ? 0 : 10);
    // Without a history every count is 0.
    QCOMPARE(stats.column(3).count(QStringLiteral("0")) == 43, file == kHistory);
}

void StatsWindowTest::reloadReadsTheFilesAgain() {
    StatsProgram stats(QStringLiteral("data/deme.ini"));
    QByteArray deme = "2040,0\r\n";
    for (int n = 1; n <= 43; ++n) {
        deme += QByteArray::number(n) + ',' + QByteArray::number((n - 1) % 7 + 1) + "\r\n";
    }
    stats.program.dir.write(QStringLiteral("data/deme.ini"), deme);
    clickOn(stats.control(QStringLiteral("ComStatsReload")));
    QVERIFY(!stats.control<QLabel>(QStringLiteral("LbStatsProblem"))->isVisible());
    QCOMPARE(stats.column(2), stats.column(0));  // rate n for number n
    QCOMPARE(stats.control<QChartView>(QStringLiteral("ChartRate"))->chart()->title(),
             QStringLiteral("出目率（第2040回までのデータ）"));
}

void StatsWindowTest::savesThePicture() {
    StatsProgram stats;
    FakePrompter& prompter = stats.program.prompter;
    const QString chosen = stats.program.dir.path(QStringLiteral("charts"));
    prompter.fileAnswers = {chosen, QString()};
    clickOn(stats.control(QStringLiteral("ComStatsSave")));
    QCOMPARE(prompter.proposedNames.back(), QStringLiteral("出目統計2037回.png"));
    QCOMPARE(prompter.filters.back(), QStringLiteral("PNG 画像 (*.png)"));
    QImage saved(chosen + QStringLiteral(".png"), "PNG");
    QCOMPARE(saved.size(), QSize(1200, 840));
    QVERIFY(prompter.shown.isEmpty());
    // Cancelled: nothing more is written.
    const QStringList before = QDir(stats.program.dir.path(QString())).entryList(QDir::Files);
    clickOn(stats.control(QStringLiteral("ComStatsSave")));
    QCOMPARE(QDir(stats.program.dir.path(QString())).entryList(QDir::Files), before);
    QCOMPARE(StatsWindow::withPngSuffix(QStringLiteral("a.PNG")), QStringLiteral("a.PNG"));
}

void StatsWindowTest::pictureSaveFailureIsTold() {
    StatsProgram stats;
    FakePrompter& prompter = stats.program.prompter;
    const QString chosen = stats.program.dir.path(QStringLiteral("no-such-folder/charts.png"));
    prompter.fileAnswers = {chosen};
    clickOn(stats.control(QStringLiteral("ComStatsSave")));
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown[0].title, kProgramTitle);
    QVERIFY2(prompter.shown[0].text.startsWith(
                 QStringLiteral("画像を保存できませんでした。\n\nファイル: ") +
                 QDir::toNativeSeparators(chosen)),
             qPrintable(prompter.shown[0].text));
    QVERIFY(!QFile::exists(chosen));
}

void StatsWindowTest::fitsTheScreen_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 1.5") << 1.5;
}

void StatsWindowTest::fitsTheScreen() {
    QFETCH(double, scale);
    StatsProgram stats;
    // A 1366x768 screen with a panel of 32 pixels, in the window's own pixels at that scale.
    const QSize available(qFloor(1366 / scale), qFloor((768 - 32) / scale));
    const QSize size = stats.window()->sizeFor(available);
    QVERIFY2((size + StatsWindow::frameAllowance()).boundedTo(available) ==
                 size + StatsWindow::frameAllowance(),
             qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
    QVERIFY(size.expandedTo(stats.window()->minimumSizeHint()) == size);
}

QTEST_MAIN(StatsWindowTest)
#include "tst_statswindow.moc"
