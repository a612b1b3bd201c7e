// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "datafiles/historyedit.h"
#include "programfolderfixture.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QByteArray kHeader = "draw,date,n1,n2,n3,n4,n5,n6,bonus\n";
const QByteArray kHistory = kHeader +
                            "1,2020-01-02,1,2,3,4,5,6,7\n"
                            "2,2020-01-09,1,8,15,22,29,36,43\n"
                            "3,2020-01-16,2,3,4,5,6,7,1\n";

std::vector<Draw> history() {
    return parseDrawHistory(kHistory, QStringLiteral("history.csv"));
}

DrawEntry entry(const QString& number, const QString& date, const QStringList& numbers) {
    DrawEntry e{number, date, {}, numbers.value(6)};
    for (std::size_t k = 0; k < 6; ++k) {
        e.main[k] = numbers.value(static_cast<qsizetype>(k));
    }
    return e;
}

QStringList numbers(const char* spaced) {
    return QString::fromLatin1(spaced).split(u' ');
}

}  // namespace

class HistoryEditTest : public QObject {
    Q_OBJECT
  private slots:
    void newDrawJoinsInOrder();
    void newDrawRefusals_data();
    void newDrawRefusals();
    void historyWrittenAsShipped();
    void fileMergedByDrawNumber();
    void fileRefusals_data();
    void fileRefusals();
    void replacedTogether();
};

void HistoryEditTest::newDrawJoinsInOrder() {
    const Draw draw =
        checkNewDraw(history(), entry("4", "2020/01/16", numbers("43 9 17 1 30 22 5")));
    QCOMPARE(draw.number, 4);
    QCOMPARE(draw.date, QStringLiteral("2020-01-16"));  // the same day as the last is allowed
    QCOMPARE(draw.main, (std::array<Byte, 6>{1, 9, 17, 22, 30, 43}));
    QCOMPARE(draw.bonus, Byte(5));
}

void HistoryEditTest::newDrawRefusals_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("told");
    QTest::newRow("number 44")
        << "4"
        << "2020/01/23"
        << "1 2 3 4 5 44 7"
        << "本数字6の「44」は1から43の数字ではありません。1から43の数字を入れてください。";
    QTest::newRow("number 0") << "4"
                              << "2020/01/23"
                              << "0 2 3 4 5 6 7"
                              << "本数字1の「0」は1から43の数字ではありません。";
    QTest::newRow("bonus missing")
        << "4"
        << "2020/01/23"
        << "1 2 3 4 5 6 "
        << "ボーナス数字が入力されていません。1から43の数字を入れてください。";
    QTest::newRow("main repeated")
        << "4"
        << "2020/01/23"
        << "1 2 3 4 5 5 7"
        << "5が二度入っています。本数字とボーナス数字は7つとも違う数字にしてください。";
    QTest::newRow("bonus among main") << "4"
                                      << "2020/01/23"
                                      << "1 2 3 4 5 6 3"
                                      << "3が二度入っています。";
    QTest::newRow("draw skipped")
        << "5"
        << "2020/01/23"
        << "1 2 3 4 5 6 7"
        << "第5回は登録できません。履歴は第3回までなので、次は第4回です。";
    QTest::newRow("draw repeated") << "3"
                                   << "2020/01/23"
                                   << "1 2 3 4 5 6 7"
                                   << "第3回は登録できません。";
    QTest::newRow("no such day")
        << "4"
        << "2020/02/30"
        << "1 2 3 4 5 6 7"
        << "日付「2020/02/30」は正しい日付ではありません。YYYY/MM/DDの形で入れてください。";
    QTest::newRow("not a date") << "4"
                                << "23.01.2020"
                                << "1 2 3 4 5 6 7"
                                << "日付「23.01.2020」は正しい日付ではありません。";
    QTest::newRow("before the last") << "4"
                                     << "2020/01/15"
                                     << "1 2 3 4 5 6 7"
                                     << "日付2020/01/15は前の回（第3回、2020/01/"
                                        "16）より前です。2020/01/16以降の日付を入れてください。";
}

void HistoryEditTest::newDrawRefusals() {
    QFETCH(QString, number);
    QFETCH(QString, date);
    QFETCH(QString, values);
    QFETCH(QString, told);
    try {
        checkNewDraw(history(), entry(number, date, values.split(u' ')));
        QFAIL("accepted");
    } catch (const DrawRefusal& refusal) {
        QVERIFY2(refusal.text().startsWith(told), qPrintable(refusal.text()));
        QCOMPARE(refusal.line(), 0);
    }
}

void HistoryEditTest::historyWrittenAsShipped() {
    const QByteArray shipped = shippedData(QStringLiteral("history/draws-6of43.csv"));
    QCOMPARE(drawHistoryBytes(parseDrawHistory(shipped, QStringLiteral("shipped"))), shipped);
}

void HistoryEditTest::fileMergedByDrawNumber() {
    // A header of its own, blank lines, tabs, both date forms, draws out of order and ones
    // the history holds already.
    const QByteArray file =
        "\xEF\xBB\xBF"
        "Kai\tDay\tA\tB\tC\tD\tE\tF\tBonus\r\n"
        "\r\n"
        "5\t2020/01/30\t9\t8\t7\t6\t5\t4\t3\r\n"
        "3,2020-01-16,7,6,5,4,3,2,1\r\n"
        "4\t2020/1/23\t10\t11\t12\t13\t14\t15\t16\r\n"
        "\r\n";
    const MergedHistory merged = mergeDrawFile(history(), file);
    QCOMPARE(merged.added, 2);
    QCOMPARE(merged.firstAdded, 4);
    QCOMPARE(merged.lastAdded, 5);
    QCOMPARE(drawHistoryBytes(merged.draws), kHistory +
                                                 "4,2020-01-23,10,11,12,13,14,15,16\n"
                                                 "5,2020-01-30,4,5,6,7,8,9,3\n");
}

void HistoryEditTest::fileRefusals_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("told");
    QTest::newRow("gap")
        << QByteArray(kHeader +
                      "4,2020-01-23,1,2,3,4,5,6,7\n"
                      "6,2020-02-06,1,2,3,4,5,6,7\n")
        << 3 << "3行目: 第4回と第6回の間の第5回がありません。回は続けて入れてください。";
    QTest::newRow("gap after the history") << QByteArray("5,2020-01-30,1,2,3,4,5,6,7\n") << 1
                                           << "1行目: 第3回と第5回の間の第4回がありません。";
    QTest::newRow("conflict with the history")
        << QByteArray(kHeader +
                      "4,2020-01-23,1,2,3,4,5,6,7\n"
                      "2,2020-01-09,1,8,15,22,29,36,42\n")
        << 3
        << "3行目: 第2回が履歴と違います（履歴: 2020/01/09 1 8 15 22 29 36 (43)、このファイル: "
           "2020/01/09 1 8 15 22 29 36 (42)）。";
    QTest::newRow("conflict within the file") << QByteArray(
                                                     "4,2020-01-23,1,2,3,4,5,6,7\n"
                                                     "4,2020-01-24,1,2,3,4,5,6,7\n")
                                              << 2 << "2行目: 第4回が1行目と違います";
    QTest::newRow("bad number") << QByteArray(kHeader +
                                              "4,2020-01-23,1,2,3,4,5,6,7\n"
                                              "5,2020-01-30,1,2,3,4,50,6,7\n")
                                << 3 << "3行目: 本数字5の「50」は1から43の数字ではありません。";
    QTest::newRow("bad date") << QByteArray("4,2020-13-23,1,2,3,4,5,6,7\n") << 1
                              << "1行目: 日付「2020-13-23」は正しい日付ではありません。";
    QTest::newRow("date goes back")
        << QByteArray("4,2020-01-10,1,2,3,4,5,6,7\n") << 1
        << "1行目: 第4回の日付2020/01/10が第3回の日付2020/01/16より前です。";
    QTest::newRow("columns")
        << QByteArray("4,2020-01-23,1,2,3,4,5,6\n") << 1
        << "1行目: 8列あります。回、日付、本数字6つ、ボーナス数字の9列にしてください。";
    QTest::newRow("header only") << kHeader << 0 << "取り込める回がありません。";
    // The first bad line is told, whatever its fault.
    QTest::newRow("first of two") << QByteArray(
                                         "4,2020-01-23,1,2,3,4,5,6,7\n"
                                         "5,2020-01-30,1,1,3,4,5,6,7\n"
                                         "6,2020-02-06,1,2,3,4,5,99,7\n")
                                  << 2 << "2行目: 1が二度入っています。";
}

void HistoryEditTest::fileRefusals() {
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QString, told);
    try {
        mergeDrawFile(history(), file);
        QFAIL("accepted");
    } catch (const DrawRefusal& refusal) {
        QVERIFY2(refusal.text().startsWith(told), qPrintable(refusal.text()));
        QCOMPARE(refusal.line(), line);
    }
}

void HistoryEditTest::replacedTogether() {
    const ProgramFolderFixture folder;
    QDir().mkpath(folder.path(QStringLiteral("data/history")));
    std::vector<Draw> draws = history();
    const DataTables tables = replaceHistory(folder.folder(), draws);
    QCOMPARE(folder.read(QStringLiteral("data/history/draws-6of43.csv")), kHistory);
    QVERIFY(folder.read(QStringLiteral("data/deme.ini")).startsWith("3,0\r\n"));
    QVERIFY(folder.read(QStringLiteral("data/rensa.ini")).startsWith("3,2,3,4,5,6,7\r\n"));
    QCOMPARE(tables.kai, qint16(3));
    // Nothing of the replacement is left beside the files.
    QCOMPARE(QDir(folder.path(QStringLiteral("data"))).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"deme.ini", "rensa.ini"}));
}

QTEST_MAIN(HistoryEditTest)
#include "tst_historyedit.moc"
