// SPDX-License-Identifier: GPL-3.0-or-later

// Saves cut short by a crash: a real process saving with the program's own routines is killed
// (SIGKILL, as a crash or a power cut ends it) at each rename and at random moments; the next
// start of the program then finds data files that belong together and no temporary file.

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "programharness.h"
#include "systemfaults.h"
#include "update/updatefile.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QByteArray kOldOptions =
    "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",0,0,0,0,\"\",0,0,0,0\r\n0,0,0,0,0,0,0\r\n";
const QStringList kDataFiles{"data/deme.ini", "data/rens.ini", "data/rensa.ini"};

// The shipped update file made into one for draw `kai`, in both data files it makes.
QByteArray updateFor(int kai) {
    const QByteArray number = QByteArray::number(kai);
    return shippedData(QStringLiteral("history/update.txt"))
        .replace("\"pomrinupdate\",2037,", "\"pomrinupdate\"," + number + ',')
        .replace("\r\n2037,7,12,", "\r\n" + number + ",7,12,");
}

using Pair = std::pair<QByteArray, QByteArray>;

// The data files an update makes, through a complete update in a folder of its own.
Pair pairMadeBy(const QString& updateFile) {
    const ProgramFolderFixture scratch;
    DrawData state;
    FakeProgress progress;
    readUpdateFile(state, updateFile, progress);
    writeDataFiles(state, scratch.folder(), progress);
    return {scratch.read(QStringLiteral("data/deme.ini")),
            scratch.read(QStringLiteral("data/rensa.ini"))};
}

// Runs the save driver with `arguments` over `folder`, and whether it was killed: with `kill`, the
// shim kills it at a rename ("N:KILL", "N:KILL-AFTER"), else the test kills it `delayMs` after it
// began to save.
bool killedDriver(const ProgramFolderFixture& folder, const QStringList& arguments,
                  const QByteArray& kill, int delayMs = 0) {
    QProcess driver;
    {
        SystemFaults faults(folder.path(QStringLiteral(".")));
        if (!kill.isEmpty()) {
            const qsizetype colon = kill.indexOf(':');
            faults.failRename(kill.left(colon).toInt(), kill.mid(colon + 1).constData());
        }
        driver.setProcessEnvironment(SystemFaults::preloaded());
    }
    driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    driver.start(QStringLiteral(KUJI6_SAVE_DRIVER),
                 QStringList{arguments[0], folder.path(QStringLiteral("."))} + arguments.mid(1));
    if (kill.isEmpty() && driver.waitForReadyRead(30000)) {
        QThread::msleep(static_cast<unsigned long>(delayMs));
        driver.kill();
    }
    driver.waitForFinished(60000);
    return driver.exitStatus() == QProcess::CrashExit;
}

// The program started over `folder` as after the crash: what it finds, checked.
void restart(const ProgramFolderFixture& folder, const QStringList& files) {
    ProgramHarness program;
    program.start(folder.folder());
    QCOMPARE(program.prompter.texts(), QStringList());
    QCOMPARE(program.items(QStringLiteral("Cmbno")).size(), 10);
    QCOMPARE(filesUnder(folder.path(QStringLiteral("."))), files);
}

Pair pairIn(const ProgramFolderFixture& folder) {
    return {folder.read(QStringLiteral("data/deme.ini")),
            folder.read(QStringLiteral("data/rensa.ini"))};
}

}  // namespace

class CrashesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void killedAtEachRename_data();
    void killedAtEachRename();
    void killedAtRandomMoments();
    void killedWhileSavingTheRules_data();
    void killedWhileSavingTheRules();
    void killedWhileAddingADraw_data();
    void killedWhileAddingADraw();

  private:
    QTemporaryDir updates_;
    QString updateA_;
    QString updateB_;
};

void CrashesTest::initTestCase() {
    updateA_ = updates_.filePath(QStringLiteral("a.txt"));
    updateB_ = updates_.filePath(QStringLiteral("b.txt"));
    for (const auto& [path, kai] : {std::pair{updateA_, 2040}, std::pair{updateB_, 2041}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(updateFor(kai));
    }
}

void CrashesTest::killedAtEachRename_data() {
    QTest::addColumn<QByteArray>("kill");
    QTest::addColumn<bool>("renewed");
    // An update renames the record of the pair, then deme.ini, then rensa.ini. Once the
    // record is in place, the next start finishes the update.
    QTest::newRow("before the record") << QByteArray("1:KILL") << false;
    QTest::newRow("after the record") << QByteArray("1:KILL-AFTER") << true;
    QTest::newRow("before deme.ini") << QByteArray("2:KILL") << true;
    QTest::newRow("after deme.ini") << QByteArray("2:KILL-AFTER") << true;
    QTest::newRow("before rensa.ini") << QByteArray("3:KILL") << true;
    QTest::newRow("after rensa.ini") << QByteArray("3:KILL-AFTER") << true;
}

void CrashesTest::killedAtEachRename() {
    QFETCH(QByteArray, kill);
    QFETCH(bool, renewed);
    const ProgramFolderFixture folder;
    const Pair old = pairIn(folder);
    QVERIFY(killedDriver(folder, {QStringLiteral("update"), updateA_}, kill));
    restart(folder, kDataFiles);
    QCOMPARE(pairIn(folder), renewed ? pairMadeBy(updateA_) : old);
}

void CrashesTest::killedAtRandomMoments() {
    const ProgramFolderFixture folder;
    const QList<Pair> whole{pairIn(folder), pairMadeBy(updateA_), pairMadeBy(updateB_)};
    // Fixed, so that a failing run can be found again; the moments still vary with timing.
    QRandomGenerator random(11);
    int interrupted = 0;
    for (int run = 0; run < 50; ++run) {
        const int delayMs = random.bounded(80);
        QVERIFY(killedDriver(folder, {QStringLiteral("update"), updateA_, updateB_}, {}, delayMs));
        QStringList left = filesUnder(folder.path(QStringLiteral(".")));
        left.removeOne(QStringLiteral("data/rens.ini"));
        interrupted += left != QStringList{"data/deme.ini", "data/rensa.ini"};
        restart(folder, kDataFiles);
        QVERIFY2(whole.contains(pairIn(folder)),
                 qPrintable(QStringLiteral("run %1, killed after %2 ms").arg(run).arg(delayMs)));
    }
    qInfo("%d of 50 kills left an update unfinished", interrupted);
}

void CrashesTest::killedWhileSavingTheRules_data() {
    QTest::addColumn<QByteArray>("kill");
    QTest::addColumn<bool>("renewed");
    QTest::newRow("before the rename") << QByteArray("1:KILL") << false;
    QTest::newRow("after the rename") << QByteArray("1:KILL-AFTER") << true;
}

void CrashesTest::killedWhileSavingTheRules() {
    QFETCH(QByteArray, kill);
    QFETCH(bool, renewed);
    const ProgramFolderFixture folder;
    folder.write(QStringLiteral("option.ini"), kOldOptions);
    QVERIFY(killedDriver(folder, {QStringLiteral("options")}, kill));
    restart(folder, QStringList(kDataFiles) << "option.ini");
    QCOMPARE(folder.read(QStringLiteral("option.ini")) == kOldOptions, !renewed);
}

void CrashesTest::killedWhileAddingADraw_data() {
    QTest::addColumn<QByteArray>("kill");
    QTest::addColumn<bool>("renewed");
    // The record, then deme.ini, rensa.ini and the history are renamed; once the record is in
    // place, the next start finishes the replacement.
    QTest::newRow("before the record") << QByteArray("1:KILL") << false;
    QTest::newRow("after the record") << QByteArray("1:KILL-AFTER") << true;
    QTest::newRow("before deme.ini") << QByteArray("2:KILL") << true;
    QTest::newRow("after deme.ini") << QByteArray("2:KILL-AFTER") << true;
    QTest::newRow("before rensa.ini") << QByteArray("3:KILL") << true;
    QTest::newRow("after rensa.ini") << QByteArray("3:KILL-AFTER") << true;
    QTest::newRow("before the history") << QByteArray("4:KILL") << true;
    QTest::newRow("after the history") << QByteArray("4:KILL-AFTER") << true;
}

void CrashesTest::killedWhileAddingADraw() {
    QFETCH(QByteArray, kill);
    QFETCH(bool, renewed);
    const QString history = QStringLiteral("data/history/draws-6of43.csv");
    const auto triple = [&history](const ProgramFolderFixture& folder) {
        return QList<QByteArray>{folder.read(history), folder.read(QStringLiteral("data/deme.ini")),
                                 folder.read(QStringLiteral("data/rensa.ini"))};
    };
    const auto fresh = [&history] {
        auto folder = std::make_unique<ProgramFolderFixture>();
        QDir().mkpath(folder->path(QStringLiteral("data/history")));
        folder->write(history, shippedData(QStringLiteral("history/draws-6of43.csv")));
        return folder;
    };
    // What a whole addition makes, and the folder it is cut short in.
    const auto whole = fresh();
    QVERIFY(!killedDriver(*whole, {QStringLiteral("add-draw")}, "9:KILL"));  // no ninth rename
    const auto folder = fresh();
    const QList<QByteArray> old = triple(*folder);
    QVERIFY(killedDriver(*folder, {QStringLiteral("add-draw")}, kill));
    QStringList files = QStringList(kDataFiles) << history;
    files.sort();
    restart(*folder, files);
    QCOMPARE(triple(*folder), renewed ? triple(*whole) : old);
}

QTEST_MAIN(CrashesTest)
#include "tst_crashes.moc"
