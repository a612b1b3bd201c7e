// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QtTest>

#include "datafiles/chainfiles.h"
#include "datafiles/numberstats.h"
#include "programfolderfixture.h"

using namespace kuji6;
using kuji6::test::ProgramFolderFixture;

namespace {

const QString kHistory = QStringLiteral("data/history/draws-6of43.csv");
const QByteArray kHistoryHeader = "draw,date,n1,n2,n3,n4,n5,n6,bonus\n";

// A program folder with the shipped data files and the shipped history.
struct ShippedFolder {
    ProgramFolderFixture dir;
    ShippedFolder() {
        QDir(dir.path(QStringLiteral("data"))).mkpath(QStringLiteral("history"));
        dir.write(kHistory, test::shippedData(QStringLiteral("history/draws-6of43.csv")));
    }
};

// The lines of a comma-separated text as lists of whole numbers (blank lines dropped).
QList<QList<int>> numberLines(const QByteArray& text, int skip = 0) {
    QList<QList<int>> lines;
    for (const QByteArray& line : text.split('\n').mid(skip)) {
        if (line.trimmed().isEmpty()) {
            continue;
        }
        QList<int> values;
        for (const QByteArray& field : line.trimmed().split(',')) {
            values << field.toInt();
        }
        lines << values;
    }
    return lines;
}

struct Expected {
    QList<int> main;
    QList<int> bonus;
    QList<int> since;  // -1: never came
};

// What the shipped history says of each number over its last `draws` lines, read from the
// text itself: columns 2..7 are the main numbers, column 8 the bonus.
Expected fromHistoryText(int draws) {
    const QByteArray csv = test::shippedData(QStringLiteral("history/draws-6of43.csv"));
    QList<QByteArray> lines = csv.trimmed().split('\n').mid(1);
    Expected expected{QList<int>(44, 0), QList<int>(44, 0), QList<int>(44, -1)};
    const qsizetype total = lines.size();
    for (qsizetype d = 0; d < total; ++d) {
        const QList<QByteArray> columns = lines[d].trimmed().split(',');
        const bool inWindow = draws <= 0 || d >= total - draws;
        for (int c = 2; c <= 7; ++c) {
            const int n = columns[c].toInt();
            expected.main[n] += inWindow ? 1 : 0;
            expected.since[n] = static_cast<int>(total - 1 - d);
        }
        expected.bonus[columns[8].toInt()] += inWindow ? 1 : 0;
    }
    return expected;
}

QByteArray draws(const QList<QByteArray>& lines) {
    return kHistoryHeader + lines.join('\n') + '\n';
}

}  // namespace

class NumberStatsTest : public QObject {
    Q_OBJECT
  private slots:
    void ratesAndGroupsAreThoseOfTheDrawData();
    void countsOverTheShippedHistory_data();
    void countsOverTheShippedHistory();
    void countsOverAShortHistory_data();
    void countsOverAShortHistory();
    void chainListIsTheFavouriteList();
    void unreadableFilesLeaveTheRest_data();
    void unreadableFilesLeaveTheRest();
    void windowCaptions();
};

void NumberStatsTest::ratesAndGroupsAreThoseOfTheDrawData() {
    ShippedFolder shipped;
    // Rates and groups unlike the shipped ones: 43 has rate 7 and group C, and so on.
    QByteArray deme = "1999,0\r\n";
    for (int n = 1; n <= 43; ++n) {
        deme += QByteArray::number(50 - n) + ',' + QByteArray::number((n + 1) % 7 + 1) + "\r\n";
    }
    shipped.dir.write(QStringLiteral("data/deme.ini"), deme);
    const NumberStatistics stats = readNumberStatistics(shipped.dir.folder());
    QVERIFY(stats.problems.isEmpty());
    QCOMPARE(stats.rates->kai, 1999);
    const QList<QList<int>> records = numberLines(deme, 1);
    const std::vector<NumberRow> rows = stats.rows(50);
    QCOMPARE(rows.size(), std::size_t{43});
    for (int n = 1; n <= 43; ++n) {
        const NumberRow& row = rows[static_cast<std::size_t>(n - 1)];
        QCOMPARE(row.number, n);
        QCOMPARE(row.drawRate, records[n - 1][0]);
        QCOMPARE(row.groupLetter, QChar(u'A' + records[n - 1][1] - 1));
    }
    double sum = 0;
    for (const QList<int>& record : records) {
        sum += record[0];
    }
    QCOMPARE(meanDrawRate(*stats.rates), sum / 43);
}

void NumberStatsTest::countsOverTheShippedHistory_data() {
    QTest::addColumn<int>("choice");
    for (int choice = 0; choice < static_cast<int>(historyWindows().size()); ++choice) {
        QTest::newRow(qPrintable(historyWindows()[static_cast<std::size_t>(choice)].caption))
            << choice;
    }
}

void NumberStatsTest::countsOverTheShippedHistory() {
    QFETCH(int, choice);
    ShippedFolder shipped;
    const HistoryWindow& window = historyWindows()[static_cast<std::size_t>(choice)];
    const Expected expected = fromHistoryText(window.draws.value_or(0));
    const std::vector<NumberRow> rows =
        readNumberStatistics(shipped.dir.folder()).rows(window.draws);
    int mainTotal = 0;
    for (const NumberRow& row : rows) {
        QCOMPARE(row.count.main, expected.main[row.number]);
        QCOMPARE(row.count.bonus, expected.bonus[row.number]);
        QCOMPARE(row.drawsSince.value_or(-1), expected.since[row.number]);
        mainTotal += row.count.main;
    }
    if (window.draws) {
        QCOMPARE(mainTotal, 6 * *window.draws);
    }
}

void NumberStatsTest::countsOverAShortHistory_data() {
    QTest::addColumn<int>("draws");
    QTest::addColumn<QList<int>>("mainOf1to3");
    QTest::addColumn<QList<int>>("bonusOf2and7");
    // Three draws: 1 in every one, 2 in the first and last, 3 only in the first; 7 only ever
    // the bonus.
    QTest::newRow("the last draw") << 1 << QList<int>{1, 1, 0} << QList<int>{0, 0};
    QTest::newRow("the last two") << 2 << QList<int>{2, 1, 0} << QList<int>{1, 0};
    QTest::newRow("10: more than the history") << 10 << QList<int>{3, 2, 1} << QList<int>{1, 1};
    QTest::newRow("all") << 0 << QList<int>{3, 2, 1} << QList<int>{1, 1};
}

void NumberStatsTest::countsOverAShortHistory() {
    QFETCH(int, draws);
    QFETCH(QList<int>, mainOf1to3);
    QFETCH(QList<int>, bonusOf2and7);
    ShippedFolder shipped;
    shipped.dir.write(kHistory,
                      ::draws({"5,2020-01-02,1,2,3,4,5,6,7", "6,2020-01-09,1,8,9,10,11,12,2",
                               "7,2020-01-16,1,2,13,14,15,16,43"}));
    const NumberStatistics stats = readNumberStatistics(shipped.dir.folder());
    QVERIFY(stats.problems.isEmpty());
    const std::vector<NumberRow> rows = stats.rows(draws > 0 ? std::optional(draws) : std::nullopt);
    const auto row = [&rows](int n) { return rows[static_cast<std::size_t>(n - 1)]; };
    QCOMPARE((QList<int>{row(1).count.main, row(2).count.main, row(3).count.main}), mainOf1to3);
    QCOMPARE((QList<int>{row(2).count.bonus, row(7).count.bonus}), bonusOf2and7);
    // Draws since: over the whole history, whatever the stretch counted.
    QCOMPARE(row(1).drawsSince, 0);
    QCOMPARE(row(8).drawsSince, 1);
    QCOMPARE(row(3).drawsSince, 2);
    QCOMPARE(row(7).drawsSince, std::nullopt);  // a bonus number only
    QCOMPARE(row(43).drawsSince, std::nullopt);
}

void NumberStatsTest::chainListIsTheFavouriteList() {
    ShippedFolder shipped;
    const ChainOutlook outlook = readChainOutlook(shipped.dir.folder().rensaFile());
    // Nothing is written: the favourite list's own file stays as the main window left it.
    QVERIFY(!QFile::exists(shipped.dir.folder().rensFile()));

    DrawData favourite;
    loadChainList(favourite, shipped.dir.folder(), [](const QString&) {});
    const QList<QList<int>> rensa =
        numberLines(test::shippedData(QStringLiteral("rensa.ini")).replace('\r', ""));
    const QList<int> latest = rensa[0].mid(1);
    QCOMPARE(outlook.lastKai, rensa[0][0]);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(outlook.lastNumbers[i], latest[i]);
    }
    for (int place = 0; place < 10; ++place) {
        const ChainPlace& entry = outlook.list[static_cast<std::size_t>(place)];
        QCOMPARE(entry.number, favourite.rensaTable[place + 1]);
        // The score: the counts from each latest number to this one.
        qint64 score = 0;
        for (int row : QSet<int>(latest.begin(), latest.end())) {
            score += rensa[row][entry.number - 1];
        }
        QCOMPARE(entry.score, score);
        if (place > 0) {
            QVERIFY(entry.score <= outlook.list[static_cast<std::size_t>(place - 1)].score);
        }
    }
}

void NumberStatsTest::unreadableFilesLeaveTheRest_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");  // null: the file is missing
    QTest::addColumn<QString>("problem");
    QTest::newRow("no deme.ini")
        << "data/deme.ini" << QByteArray()
        << "出目データ（%1）を読み込めませんでした: ファイルが見つかりません";
    QTest::newRow("short deme.ini")
        << "data/deme.ini" << QByteArray("2037,0\r\n14,1\r\n")
        << "出目データ（%1）を読み込めませんでした: データが途中で終わっています";
    QTest::newRow("no history")
        << kHistory << QByteArray()
        << "抽せん履歴（%1）を読み込めませんでした: ファイルが見つかりません";
    QTest::newRow("broken history")
        << kHistory << draws({"1,2020-01-02,1,2,3,4,5,44,7"})
        << "抽せん履歴（%1）を読み込めませんでした: 内容が正しくありません（draws-6of43.csv:2: "
           "main number '44' is not a number 1..43）";
    QTest::newRow("no rensa.ini")
        << "data/rensa.ini" << QByteArray()
        << "連鎖データ（%1）を読み込めませんでした: ファイルが見つかりません";
}

void NumberStatsTest::unreadableFilesLeaveTheRest() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    ShippedFolder shipped;
    if (bytes.isNull()) {
        shipped.dir.remove(file);
    } else {
        shipped.dir.write(file, bytes);
    }
    const NumberStatistics stats = readNumberStatistics(shipped.dir.folder());
    QCOMPARE(stats.problems, QStringList{problem.arg(shipped.dir.path(file))});
    QCOMPARE(stats.rates.has_value(), !file.endsWith(QStringLiteral("deme.ini")));
    QCOMPARE(stats.history.has_value(), file != kHistory);
    QCOMPARE(stats.chain.has_value(), !file.endsWith(QStringLiteral("rensa.ini")));
    // The table still has its 43 rows; a number's group then comes from the group list.
    const std::vector<NumberRow> rows = stats.rows(50);
    QCOMPARE(rows.size(), std::size_t{43});
    QCOMPARE(rows[42].groupLetter, QChar(u'A'));
    QCOMPARE(rows[41].groupLetter, QChar(u'G'));
    QCOMPARE(rows[0].drawRate.has_value(), stats.rates.has_value());
}

void NumberStatsTest::windowCaptions() {
    QStringList captions;
    for (const HistoryWindow& window : historyWindows()) {
        captions << window.caption;
    }
    QCOMPARE(captions, (QStringList{"直近10回", "直近25回", "直近50回", "直近100回", "全回"}));
    QCOMPARE(historyWindows()[kDefaultHistoryWindow].draws, 50);
}

QTEST_MAIN(NumberStatsTest)
#include "tst_numberstats.moc"
