// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "engine/pageturns.h"

using namespace kuji6;

namespace {

struct PageState {
    int shown;
    QString text;
    bool previous;
    bool next;
    bool operator==(const PageState&) const = default;
};

PageState pagesOf(const Sheet& sheet) {
    return {sheet.shownPage(), sheet.pageText(), sheet.previousEnabled(), sheet.nextEnabled()};
}

class CountingObserver final : public SheetObserver {
  public:
    QList<int> lines;
    int pageChanges = 0;
    void lineChanged(int line) override { lines << line; }
    void pagesChanged() override { ++pageChanges; }
};

}  // namespace

QT_BEGIN_NAMESPACE
namespace QTest {
template <>
char* toString(const PageState& s) {
    return qstrdup(qPrintable(QStringLiteral("page %1, %2, prev %3, next %4")
                                  .arg(s.shown)
                                  .arg(s.text)
                                  .arg(s.previous)
                                  .arg(s.next)));
}
}  // namespace QTest
QT_END_NAMESPACE

class PagesTest : public QObject {
    Q_OBJECT
  private slots:
    void startsOnASinglePage();
    void pageButtons();
    void showPageSetsTheButtons();
    void clearingKeepsThePageShown();
};

void PagesTest::startsOnASinglePage() {
    Sheet sheet;
    QCOMPARE(pagesOf(sheet), (PageState{1, "1/1page", false, false}));
}

void PagesTest::pageButtons() {
    Sheet sheet;
    PredictionState state;
    sheet.setLine(6, {"1", "2", "3", "4", "5", "6"});
    turnToNextPage(sheet, state);
    QCOMPARE(pagesOf(sheet), (PageState{2, "2/2page", true, false}));
    QCOMPARE(state.workFlag, Byte{2});
    turnToPreviousPage(sheet, state);
    QCOMPARE(pagesOf(sheet), (PageState{1, "1/2page", false, true}));
    QCOMPARE(state.workFlag, Byte{1});
    // Turning pages changes what is shown, never the lines.
    QCOMPARE(sheet.line(6)[5], QStringLiteral("6"));
}

void PagesTest::showPageSetsTheButtons() {
    Sheet sheet;
    showPage(sheet, 2);
    QCOMPARE(pagesOf(sheet), (PageState{2, "1/1page", true, false}));
    showPage(sheet, 1);
    QCOMPARE(pagesOf(sheet), (PageState{1, "1/1page", false, true}));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, showPage(sheet, 3));
}

void PagesTest::clearingKeepsThePageShown() {
    Sheet sheet;
    PredictionState state;
    CountingObserver observer;
    sheet.setObserver(&observer);
    sheet.setLine(0, {"1", "2", "3", "4", "5", "6"});
    turnToNextPage(sheet, state);
    observer.lines.clear();
    clearResultLines(sheet);
    QCOMPARE(sheet.shownPage(), 2);
    QCOMPARE(sheet.line(0), Sheet::Line{});
    QCOMPARE(observer.lines, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

QTEST_GUILESS_MAIN(PagesTest)
#include "tst_pages.moc"
