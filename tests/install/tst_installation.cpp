#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "common/programfolder.h"
#include "common/version.h"
#include "programharness.h"
#include "readonlyfolder.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(300000)) {
        return QStringLiteral("(did not finish)");
    }
    if (exitCode) {
        *exitCode = process.exitCode();
    }
    return QString::fromLocal8Bit(process.readAll());
}

// Starts kuji6 without a screen, as a user whose home is `home`, and waits until its start-up
// has written the chain list into the user's data folder.
bool startsAndSeeds(const QString& kuji6, const QString& home) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(kuji6, {});
    const QString rens = home + QStringLiteral("/.local/share/kuji6/data/rens.ini");
    bool seeded = false;
    for (int i = 0; i < 150 && !seeded; ++i) {
        seeded = process.state() == QProcess::Running && QFile::exists(rens);
        QTest::qWait(100);
    }
    process.kill();
    process.waitForFinished();
    return seeded;
}

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(folder).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

bool tool(const QString& name) {
    return !QStandardPaths::findExecutable(name).isEmpty();
}

}  // namespace

class InstallationTest : public QObject {
    Q_OBJECT
  private slots:
    void versionAndHelp();
    void portableFolderIsUsedAsItIs();
    void installedProgramSeedsItsUserFolder();
    void seedingKeepsTheUsersFiles();
    void desktopFilesAreValid();
    void packageStartsFromItsFiles();
};

void InstallationTest::versionAndHelp() {
    int exitCode = -1;
    QCOMPARE(run(QStringLiteral(KUJI6_BUILD_DIR "/kuji6"), {"--version"}, &exitCode),
             QStringLiteral("kuji6 " KUJI6_VERSION "\n"));
    QCOMPARE(exitCode, 0);
    QVERIFY(run(QStringLiteral(KUJI6_BUILD_DIR "/kuji6"), {"--help"}, &exitCode)
                .contains(QStringLiteral("--version")));
    QCOMPARE(exitCode, 0);
    QCOMPARE(run(QStringLiteral(KUJI6_BUILD_DIR "/kuji6-data"), {"--version"}),
             QStringLiteral("kuji6-data " KUJI6_VERSION "\n"));
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
    const QString output = run(QStringLiteral(CMAKE_COMMAND),
                               {"--install", KUJI6_BUILD_DIR, "--prefix", prefix}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    const QStringList installed = filesUnder(prefix);
    QVERIFY(installed.contains(QStringLiteral("share/kuji6/data/history/update.txt")));
    QVERIFY(installed.contains(QStringLiteral("share/applications/org.example.kuji6.desktop")));
    QVERIFY(installed.contains(QStringLiteral("share/man/man1/kuji6-data.1")));

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

void InstallationTest::desktopFilesAreValid() {
    if (!tool(QStringLiteral("appstreamcli")) && !tool(QStringLiteral("desktop-file-validate"))) {
        QSKIP("neither appstreamcli nor desktop-file-validate is installed");
    }
    int exitCode = -1;
    if (tool(QStringLiteral("appstreamcli"))) {
        const QString output =
            run(QStringLiteral("appstreamcli"),
                {"validate", "--no-net", KUJI6_BUILD_DIR "/dist/org.example.kuji6.metainfo.xml"},
                &exitCode);
        QVERIFY2(exitCode == 0, qPrintable(output));
    }
    if (tool(QStringLiteral("desktop-file-validate"))) {
        const QString output = run(QStringLiteral("desktop-file-validate"),
                                   {KUJI6_SOURCE_DIR "/dist/org.example.kuji6.desktop"}, &exitCode);
        QVERIFY2(exitCode == 0 && output.isEmpty(), qPrintable(output));
    }
}

void InstallationTest::packageStartsFromItsFiles() {
    if (!tool(QStringLiteral("dpkg-deb")) || !tool(QStringLiteral("dpkg-shlibdeps"))) {
        QSKIP("dpkg-deb and dpkg-shlibdeps are needed to build and unpack the package");
    }
    QTemporaryDir work;
    int exitCode = -1;
    const QString output =
        run(QStringLiteral(CPACK_COMMAND),
            {"-G", "DEB", "--config", KUJI6_BUILD_DIR "/CPackConfig.cmake", "-B", work.path()},
            &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    const QStringList packages = QDir(work.path()).entryList({QStringLiteral("*.deb")});
    QCOMPARE(packages.size(), 1);
    const QString deb = work.filePath(packages[0]);
    const QString depends = run(QStringLiteral("dpkg-deb"), {"-f", deb, "Depends"});
    for (const char* library : {"libqt6widgets6", "libqt6network6", "libqt6svg6"}) {
        QVERIFY2(depends.contains(QLatin1String(library)), qPrintable(depends));
    }
    QVERIFY(run(QStringLiteral("dpkg-deb"), {"-f", deb, "Recommends"})
                .contains(QStringLiteral("fonts-noto-cjk")));

    const QString root = work.filePath(QStringLiteral("root"));
    run(QStringLiteral("dpkg-deb"), {"-x", deb, root}, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(run(root + QStringLiteral("/usr/bin/kuji6"), {"--version"}),
             QStringLiteral("kuji6 " KUJI6_VERSION "\n"));
    QVERIFY(startsAndSeeds(root + QStringLiteral("/usr/bin/kuji6"),
                           work.filePath(QStringLiteral("home"))));
}

QTEST_MAIN(InstallationTest)
#include "tst_installation.moc"
