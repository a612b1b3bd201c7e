// SPDX-License-Identifier: GPL-3.0-or-later

// kuji6-data add-draw and import: the program folder's history grows and its data files are
// what make-data computes from the grown history; a refused draw or file changes nothing.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "commands.h"

using kuji6::tools::runCommand;

namespace {

const QByteArray kHeader = "draw,date,n1,n2,n3,n4,n5,n6,bonus\n";

// A program folder with the shipped history and the data files made from it.
struct ProgramFolder {
    QTemporaryDir dir;

    ProgramFolder() {
        QDir(dir.path()).mkpath(QStringLiteral("data/history"));
        QFile::copy(QStringLiteral(KUJI6_SOURCE_DIR "/data/history/draws-6of43.csv"), history());
        QFile(history()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        for (const char* name : {"deme.ini", "rensa.ini"}) {
            QFile::copy(QStringLiteral(KUJI6_SOURCE_DIR "/data/") + QLatin1String(name),
                        data(QLatin1String(name)));
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString data(const QString& name) const { return dir.filePath(QStringLiteral("data/") + name); }
    QString history() const { return data(QStringLiteral("history/draws-6of43.csv")); }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QList<QByteArray> files() const {
        return {read(history()), read(data(QStringLiteral("deme.ini"))),
                read(data(QStringLiteral("rensa.ini")))};
    }
    // The data files make-data computes from this folder's history.
    QList<QByteArray> madeFromHistory() const {
        const QString out = path(QStringLiteral("made"));
        runCommand({"make-data", "--history", history(), "--out", out});
        return {read(history()), read(out + QStringLiteral("/deme.ini")),
                read(out + QStringLiteral("/rensa.ini"))};
    }
};

}  // namespace

class DrawCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void addDrawGivesMakeData();
    void addDrawRefusalChangesNothing();
    void importGivesMakeData();
    void importRefusalsChangeNothing_data();
    void importRefusalsChangeNothing();
};

void DrawCommandsTest::addDrawGivesMakeData() {
    const ProgramFolder folder;
    const QByteArray before = ProgramFolder::read(folder.history());
    const auto result = runCommand({"add-draw", "--folder", folder.path("."), "--date",
                                    "2025-10-02", "--numbers", "43,9,17,1,30,22", "--bonus", "5"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.output.startsWith("added draw 2038"), qPrintable(result.output));
    QCOMPARE(ProgramFolder::read(folder.history()), before + "2038,2025-10-02,1,9,17,22,30,43,5\n");
    QCOMPARE(folder.files(), folder.madeFromHistory());
    QVERIFY(folder.files()[1].startsWith("2038,0\r\n"));
}

void DrawCommandsTest::addDrawRefusalChangesNothing() {
    const ProgramFolder folder;
    const QList<QByteArray> before = folder.files();
    const auto result =
        runCommand({"add-draw", "--folder", folder.path("."), "--draw", "2040", "--date",
                    "2025-10-02", "--numbers", "1,2,3,4,5,6", "--bonus", "7"});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.output, QStringLiteral("kuji6-data: draw 2040 cannot be added; the history "
                                           "ends at draw 2037, so the next is 2038\n"));
    QCOMPARE(folder.files(), before);
}

void DrawCommandsTest::importGivesMakeData() {
    const ProgramFolder folder;
    folder.write("new.csv", kHeader +
                                "2037,2025-09-25,7,12,20,23,27,29,10\n"
                                "2039\t2025/10/09\t2\t4\t6\t8\t10\t12\t14\n"
                                "2038,2025/10/02,43,9,17,1,30,22,5\n");
    const auto result =
        runCommand({"import", "--folder", folder.path("."), "--file", folder.path("new.csv")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.output.startsWith("added 2 draws (2038 to 2039)"), qPrintable(result.output));
    QVERIFY(ProgramFolder::read(folder.history())
                .endsWith("2037,2025-09-25,7,12,20,23,27,29,10\n"
                          "2038,2025-10-02,1,9,17,22,30,43,5\n"
                          "2039,2025-10-09,2,4,6,8,10,12,14\n"));
    QCOMPARE(folder.files(), folder.madeFromHistory());
}

void DrawCommandsTest::importRefusalsChangeNothing_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("told");
    QTest::newRow("gap") << QByteArray(
                                "2038,2025-10-02,1,2,3,4,5,6,7\n"
                                "2040,2025-10-16,1,2,3,4,5,6,7\n")
                         << "line 2: draw 2039 is missing";
    QTest::newRow("conflicting draw") << QByteArray(kHeader +
                                                    "2038,2025-10-02,1,2,3,4,5,6,7\n"
                                                    "2037,2025-09-25,7,12,20,23,27,29,11\n")
                                      << "line 3: draw 2037 differs from the one already there";
    QTest::newRow("bad number") << QByteArray("2038,2025-10-02,1,2,3,4,5,0,7\n")
                                << "line 1: main number 6 '0' is not a number 1..43";
    QTest::newRow("bad date") << QByteArray("2038,2025-10-32,1,2,3,4,5,6,7\n")
                              << "line 1: date '2025-10-32' is not a date YYYY/MM/DD or YYYY-MM-DD";
}

void DrawCommandsTest::importRefusalsChangeNothing() {
    QFETCH(QByteArray, file);
    QFETCH(QString, told);
    const ProgramFolder folder;
    const QList<QByteArray> before = folder.files();
    folder.write("bad.csv", file);
    const auto result =
        runCommand({"import", "--folder", folder.path("."), "--file", folder.path("bad.csv")});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.output,
             QStringLiteral("kuji6-data: %1: %2\n").arg(folder.path("bad.csv"), told));
    QCOMPARE(folder.files(), before);
    QCOMPARE(QDir(folder.path("data")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"deme.ini", "rensa.ini"}));
}

QTEST_MAIN(DrawCommandsTest)
#include "tst_drawcommands.moc"
