// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "common/programfolder.h"
#include "common/version.h"
#include "processes.h"
#include "programharness.h"
#include "readonlyfolder.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(folder).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

// The long options that a text names, as "--name"; a manual page writes them "\-\-name".
QStringList longOptions(QString text) {
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    QStringList options;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("--[a-z]+")).globalMatch(text);
    while (it.hasNext()) {
        options << it.next().captured();
    }
    options.sort();
    options.removeDuplicates();
    return options;
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class InstallationTest : public QObject {
    Q_OBJECT
  private slots:
    void versionAndHelp();
    void manualTellsTheOptionsOfTheHelp_data();
    void manualTellsTheOptionsOfTheHelp();
    void portableFolderIsUsedAsItIs();
    void installedProgramSeedsItsUserFolder();
    void seedingKeepsTheUsersFiles();
};

void InstallationTest::versionAndHelp() {
    int exitCode = -1;
    QCOMPARE(runProcess(QStringLiteral(KUJI6_BUILD_DIR "/kuji6"), {"--version"}, &exitCode),
             QStringLiteral("kuji6 " KUJI6_VERSION "\n"));
    QCOMPARE(exitCode, 0);
    QVERIFY(runProcess(QStringLiteral(KUJI6_BUILD_DIR "/kuji6"), {"--help"}, &exitCode)
                .contains(QStringLiteral("--version")));
    QCOMPARE(exitCode, 0);
    QCOMPARE(runProcess(QStringLiteral(KUJI6_BUILD_DIR "/kuji6-data"), {"--version"}),
             QStringLiteral("kuji6-data " KUJI6_VERSION "\n"));
}

void InstallationTest::manualTellsTheOptionsOfTheHelp_data() {
    QTest::addColumn<QString>("program");
    QTest::newRow("kuji6") << QStringLiteral("kuji6");
    QTest::newRow("kuji6-data") << QStringLiteral("kuji6-data");
}

void InstallationTest::manualTellsTheOptionsOfTheHelp() {
    QFETCH(QString, program);
    const QString help =
        runProcess(QStringLiteral(KUJI6_BUILD_DIR "/") + program, {QStringLiteral("--help")});
    const QString manual =
        readText(QStringLiteral(KUJI6_SOURCE_DIR "/dist/") + program + QStringLiteral(".1.in"));
    QVERIFY(!manual.isEmpty());
    QCOMPARE(longOptions(manual), longOptions(help));
}

void InstallationTest::portableFolderIsUsedAsItIs() {
    ProgramFolderFixture portable;
    QTemporaryDir user;
    QCOMPARE(locateProgramFolder(portable.path(QStringLiteral(".")), QString(), user.path()).path(),
             portable.path(QStringLiteral(".")));
    QCOMPARE(filesUnder(user.path()), QStringList{});
}

void InstallationTest::installedProgramSeedsItsUserFolder() {
    QTemporaryDir work;
    const QString prefix = work.filePath(QStringLiteral("prefix"));
    const QString home = work.filePath(QStringLiteral("home"));
    int exitCode = -1;
    const QString output =
        runProcess(QStringLiteral(CMAKE_COMMAND),
                   {"--install", KUJI6_BUILD_DIR, "--prefix", prefix}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    const QStringList installed = filesUnder(prefix);
    QVERIFY(installed.contains(QStringLiteral("share/kuji6/data/history/update.txt")));
    QVERIFY(installed.contains(QStringLiteral("share/applications/org.example.kuji6.desktop")));
    for (const char* file : {"share/man/man1/kuji6.1.gz", "share/man/man1/kuji6-data.1.gz",
                             "share/doc/kuji6/copyright", "share/doc/kuji6/changelog.gz"}) {
        QVERIFY2(installed.contains(QLatin1String(file)), file);
    }

    ReadOnlyFolder readOnlyBin(prefix + QStringLiteral("/bin"));
    ReadOnlyFolder readOnlyData(prefix + QStringLiteral("/share/kuji6/data"));
    QVERIFY(startsAndSeeds(prefix + QStringLiteral("/bin/kuji6"), home));
    const QString userData = home + QStringLiteral("/.local/share/kuji6/data");
    QCOMPARE(filesUnder(userData), (QStringList{"deme.ini", "history/draws-6of43.csv",
                                                "history/update.txt", "rens.ini", "rensa.ini"}));
    QCOMPARE(filesUnder(prefix), installed);

    // GO works on the seeded folder.
    const ProgramFolder folder = locateProgramFolder(prefix + QStringLiteral("/bin"),
                                                     prefix + QStringLiteral("/share/kuji6/data"),
                                                     home + QStringLiteral("/.local/share/kuji6"));
    ProgramHarness program;
    program.start(folder);
    program.setText(QStringLiteral("Cmbno"), QStringLiteral("7"));
    program.random.pushFiller(1);
    program.random.pushNumbers({5, 43, 12, 1, 30});
    program.pressGo();
    QCOMPARE(program.control<QLineEdit>(QStringLiteral("Tx6(0)"))->text(), QStringLiteral("43"));
    QVERIFY(program.prompter.shown.isEmpty());
}

void InstallationTest::seedingKeepsTheUsersFiles() {
    QTemporaryDir defaults;
    QTemporaryDir user;
    QDir(defaults.path()).mkpath(QStringLiteral("history"));
    for (const QString& name : {QStringLiteral("deme.ini"), QStringLiteral("history/update.txt")}) {
        QFile file(defaults.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("default");
    }
    QDir(user.path()).mkpath(QStringLiteral("data"));
    QFile updated(user.filePath(QStringLiteral("data/deme.ini")));
    QVERIFY(updated.open(QIODevice::WriteOnly));
    updated.write("updated by the user");
    updated.close();
    locateProgramFolder(QStringLiteral("/nonexistent"), defaults.path(), user.path());
    QVERIFY(updated.open(QIODevice::ReadOnly));
    QCOMPARE(updated.readAll(), QByteArray("updated by the user"));
    QVERIFY(QFile::exists(user.filePath(QStringLiteral("data/history/update.txt"))));
}

QTEST_MAIN(InstallationTest)
#include "tst_installation.moc"
