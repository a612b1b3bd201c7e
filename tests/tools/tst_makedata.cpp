// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

#include "commands.h"
#include "common/fields.h"

using namespace kuji6;
using kuji6::tools::runCommand;

namespace {

const QByteArray kHeader = "draw,date,n1,n2,n3,n4,n5,n6,bonus\n";

const QByteArray kSmallHistory = kHeader +
                                 "10,2020-01-02,1,2,3,4,5,6,7\n"
                                 "11,2020-01-09,1,8,15,22,29,36,43\n"
                                 "12,2020-01-16,2,3,4,5,6,7,1\n";

struct Folder {
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    tools::CommandResult makeData(const QByteArray& history, QStringList extra = {}) const {
        write(QStringLiteral("history.csv"), history);
        return runCommand(
            QStringList{"make-data", "--history", path("history.csv"), "--out", path("out")} +
            extra);
    }
};

// Line `line` (1-based) of a file, without its line end.
QByteArray lineOf(const QByteArray& file, int line) {
    return file.split('\n').value(line - 1).chopped(1);
}

int chainCount(const QByteArray& rensa, int from, int to) {
    FieldReader in(rensa);
    in.int16();  // the latest draw
    for (int skip = 0; skip < 6 + 43 * (from - 1) + (to - 1); ++skip) {
        in.byte();
    }
    return in.byte();
}

QByteArray manyDraws(int count, const QByteArray& numbers) {
    QByteArray csv = kHeader;
    for (int d = 1; d <= count; ++d) {
        csv += QByteArray::number(d) + ",2020-01-01," + numbers + ",43\n";
    }
    return csv;
}

}  // namespace

class MakeDataTest : public QObject {
    Q_OBJECT
  private slots:
    void smallHistory();
    void ratesRoundHalfAwayFromZero();
    void windowTakesTheLastDraws();
    void badHistoryIsRefused_data();
    void badHistoryIsRefused();
    void chainCountAbove255IsRefused();
    void specialHistoryFiles_data();
    void specialHistoryFiles();
    void usage();
};

void MakeDataTest::smallHistory() {
    Folder folder;
    const tools::CommandResult result = folder.makeData(kSmallHistory);
    QCOMPARE(result.exitCode, 0);
    const QByteArray deme = folder.read(QStringLiteral("out/deme.ini"));
    QCOMPARE(deme.count("\r\n"), 44);
    QCOMPARE(lineOf(deme, 1), QByteArray("12,0"));
    QCOMPARE(lineOf(deme, 2), QByteArray("67,1"));   // 1: in 2 of 3 draws
    QCOMPARE(lineOf(deme, 8), QByteArray("33,7"));   // 7: 1 of 3
    QCOMPARE(lineOf(deme, 11), QByteArray("0,3"));   // 10: never
    QCOMPARE(lineOf(deme, 37), QByteArray("33,1"));  // 36: group A
    QCOMPARE(lineOf(deme, 44), QByteArray("0,1"));   // 43: a bonus number only

    const QByteArray rensa = folder.read(QStringLiteral("out/rensa.ini"));
    QCOMPARE(rensa.count("\r\n"), 44);
    QVERIFY(rensa.endsWith("\r\n") && !rensa.contains(",\r\n"));
    QCOMPARE(lineOf(rensa, 1), QByteArray("12,2,3,4,5,6,7"));
    QCOMPARE(chainCount(rensa, 1, 1), 1);  // draw 10 -> 11
    QCOMPARE(chainCount(rensa, 1, 2), 1);  // draw 11 -> 12
    QCOMPARE(chainCount(rensa, 36, 7), 1);
    QCOMPARE(chainCount(rensa, 43, 7), 0);  // bonus numbers do not chain
    QCOMPARE(chainCount(rensa, 2, 2), 0);   // 2 is never followed by 2
    QCOMPARE(chainCount(rensa, 7, 1), 0);   // the last draw chains to nothing
}

void MakeDataTest::ratesRoundHalfAwayFromZero() {
    // 43 is drawn in 1 of 8 draws: 12.5 % rounds to 13.
    QByteArray csv = manyDraws(7, "1,2,3,4,5,6");
    csv += "8,2020-01-02,1,2,3,4,5,43,6\n";
    Folder folder;
    QCOMPARE(folder.makeData(csv).exitCode, 0);
    QCOMPARE(lineOf(folder.read(QStringLiteral("out/deme.ini")), 44), QByteArray("13,1"));
}

void MakeDataTest::windowTakesTheLastDraws() {
    Folder folder;
    QCOMPARE(folder.makeData(kSmallHistory, {"--window", "1"}).exitCode, 0);
    const QByteArray deme = folder.read(QStringLiteral("out/deme.ini"));
    QCOMPARE(lineOf(deme, 2), QByteArray("0,1"));
    QCOMPARE(lineOf(deme, 3), QByteArray("100,2"));
    QCOMPARE(chainCount(folder.read(QStringLiteral("out/rensa.ini")), 1, 2), 0);
}

void MakeDataTest::badHistoryIsRefused_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("eight columns") << QByteArray("13,2020-01-23,1,2,3,4,5,6") << "8 columns";
    QTest::newRow("number 44") << QByteArray("13,2020-01-23,1,2,3,4,5,44,7") << "main number '44'";
    QTest::newRow("number 0") << QByteArray("13,2020-01-23,0,2,3,4,5,6,7") << "main number '0'";
    QTest::newRow("repeated main number")
        << QByteArray("13,2020-01-23,1,2,3,4,5,5,7") << "main number 5 is repeated";
    QTest::newRow("draw number not increasing")
        << QByteArray("12,2020-01-23,1,2,3,4,5,6,7") << "draw 12 does not follow draw 12";
    QTest::newRow("bad date") << QByteArray("13,23.01.2020,1,2,3,4,5,6,7") << "date";
    QTest::newRow("bonus 44") << QByteArray("13,2020-01-23,1,2,3,4,5,6,44") << "bonus";
}

void MakeDataTest::badHistoryIsRefused() {
    QFETCH(QByteArray, line);
    QFETCH(QString, reason);
    Folder folder;
    const tools::CommandResult result = folder.makeData(kSmallHistory + line + "\n");
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.output.contains(QStringLiteral("history.csv:5: ")), qPrintable(result.output));
    QVERIFY2(result.output.contains(reason), qPrintable(result.output));
    QVERIFY(!QDir(folder.path(QStringLiteral("out"))).exists());
}

void MakeDataTest::chainCountAbove255IsRefused() {
    Folder folder;
    const tools::CommandResult refused = folder.makeData(manyDraws(257, "1,2,3,4,5,6"));
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.output.contains(QStringLiteral("--window")), qPrintable(refused.output));
    QVERIFY(!QDir(folder.path(QStringLiteral("out"))).exists());
    const tools::CommandResult windowed =
        folder.makeData(manyDraws(257, "1,2,3,4,5,6"), {"--window", "256"});
    QCOMPARE(windowed.exitCode, 0);
    QCOMPARE(chainCount(folder.read(QStringLiteral("out/rensa.ini")), 1, 1), 255);
}

void MakeDataTest::specialHistoryFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << "FIFO"
                          << "not a regular file";
    QTest::newRow("/dev/zero") << "/dev/zero"
                               << "not a regular file";
    QTest::newRow("folder") << "folder"
                            << "not a regular file";
    QTest::newRow("symbolic link loop") << "loop" << QString::fromLocal8Bit(std::strerror(ELOOP));
    QTest::newRow("gigabytes") << "gigabytes"
                               << "larger than";
}

// Refused at once, without waiting for a writer or reading gigabytes into memory.
void MakeDataTest::specialHistoryFiles() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    Folder folder;
    const QString path = folder.path(QStringLiteral("history.csv"));
    const QByteArray name = QFile::encodeName(path);
    if (kind == QStringLiteral("FIFO")) {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    } else if (kind == QStringLiteral("/dev/zero")) {
        QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
    } else if (kind == QStringLiteral("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QStringLiteral("loop")) {
        QCOMPARE(::symlink(name.constData(), name.constData()), 0);
    } else {
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64{4} << 30));
    }
    const tools::CommandResult result =
        runCommand({"make-data", "--history", path, "--out", folder.path("out")});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.output,
             QStringLiteral("kuji6-data: %1: ").arg(path) + reason +
                 (reason == QStringLiteral("larger than") ? QStringLiteral(" 16777216 bytes\n")
                                                          : QStringLiteral("\n")));
}

void MakeDataTest::usage() {
    QCOMPARE(runCommand({}).exitCode, 2);
    QCOMPARE(runCommand({"--help"}).exitCode, 0);
    QVERIFY(runCommand({"--help"}).output.contains(QStringLiteral("make-data")));
    QCOMPARE(runCommand({"make-data", "--out", "x"}).exitCode, 1);
    QCOMPARE(runCommand({"frobnicate"}).exitCode, 1);
}

QTEST_GUILESS_MAIN(MakeDataTest)
#include "tst_makedata.moc"
