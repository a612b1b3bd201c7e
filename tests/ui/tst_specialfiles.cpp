// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever stands where the program reads a file: a FIFO, a device, a folder, a symbolic link
// loop, a file of gigabytes. The program never hangs, never aborts, stays within a little
// memory, and answers with the message it gives for any file it cannot use.

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "programharness.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QString kRunError = QStringLiteral("入力条件にエラーがあります。");
const QString kNoFavourite = QStringLiteral("クジ６って１～４３までなんだよねぇ");
const QString kNotOurs =
    QStringLiteral("このファイルは、kuji6ぽむりんの予想ファイルではありません");
const QString kCorrupt = QStringLiteral(
    "このファイルはkuji6ぽむりんUpdateファイルではないか、又はデータが壊れています。");
const QString kConfirm = QStringLiteral(
    "2037回までのデータを更新します。以前のデータは上書きされますが、よろしいですか？");
const QString kNotAFile = QStringLiteral("通常のファイルではありません");
const QString kLoop = QStringLiteral("シンボリックリンクが循環しています");
const QString kTooLong = QStringLiteral("長すぎる項目があります");
constexpr qint64 kHuge = qint64{4} << 30;

const QByteArray kOptions =
    "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",0,0,0,0,\"\",0,0,0,0\r\n0,0,0,0,0,0,0\r\n";

// The peak memory of this process so far, in KiB.
long peakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// What the program reads from a file a table row puts in place, and how a user makes it read.
struct ReadFile {
    QString path;      // in the program folder
    QByteArray valid;  // a good file of its kind
};

ReadFile readFile(const QString& name) {
    if (name == QStringLiteral("option.ini")) {
        return {name, kOptions};
    }
    if (name == QStringLiteral("prediction")) {
        return {QStringLiteral("p.txt"), fixture(QStringLiteral("steady-152.txt"))};
    }
    if (name == QStringLiteral("rens.ini")) {
        return {QStringLiteral("data/rens.ini"), "1,2,3,4,5,6,7,8,9,10\r\n"};
    }
    if (name == QStringLiteral("update file")) {
        return {QStringLiteral("u.txt"), shippedData(QStringLiteral("history/update.txt"))};
    }
    return {QStringLiteral("data/") + name, shippedData(name)};
}

// Puts `kind` at `path`.
void place(const ProgramFolderFixture& dir, const ReadFile& file, const QString& kind) {
    const QString path = dir.path(file.path);
    const QByteArray name = QFile::encodeName(path);
    QFile::remove(path);
    if (kind == QStringLiteral("FIFO")) {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    } else if (kind == QStringLiteral("/dev/zero")) {
        QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
    } else if (kind == QStringLiteral("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QStringLiteral("symbolic link loop")) {
        QCOMPARE(::symlink(name.constData(), name.constData()), 0);
    } else {
        // A file of gigabytes that takes no room: a hole, after a good file or as one field.
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        if (kind == QStringLiteral("good, then gigabytes")) {
            huge.write(file.valid);
        }
        QVERIFY(huge.resize(kHuge));
    }
}

QString startupText(const QString& headline, const QString& file, const QString& reason) {
    return fileFaultMessage(headline, RuntimeFault(FaultKind::FileUnreadable, {}, file, reason)) +
           QStringLiteral("\n\n「コレは！という数字」の候補なしで続けます。");
}

}  // namespace

class SpecialFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void readers_data();
    void readers();
};

void SpecialFilesTest::initTestCase() {
    // The memory the windows take once, so that the rows measure only the reading.
    ProgramHarness program;
    program.start();
    program.menuItem(QStringLiteral("Mndata"))->trigger();
}

void SpecialFilesTest::readers_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    // "read" and "write" stand for the start-up's message about the file.
    QTest::addColumn<QStringList>("messages");

    const QStringList kinds{"FIFO",
                            "/dev/zero",
                            "folder",
                            "symbolic link loop",
                            "gigabytes in one field",
                            "good, then gigabytes"};
    const auto rows = [&](const char* file, const QStringList& refused, const QStringList& good) {
        for (const QString& kind : kinds) {
            const bool usable = kind == QStringLiteral("good, then gigabytes");
            QTest::addRow("%s, %s", file, qPrintable(kind))
                << QString::fromLatin1(file) << kind << (usable ? good : refused);
        }
    };
    rows("deme.ini", {kRunError}, {kNoFavourite});
    rows("rensa.ini", {"read"}, {});
    // Written before it is read: only a regular file is replaced.
    for (const QString& kind : kinds) {
        QTest::addRow("rens.ini, %s", qPrintable(kind))
            << QStringLiteral("rens.ini") << kind
            << (kind.startsWith(QStringLiteral("g")) ? QStringList() : QStringList{"write"});
    }
    rows("option.ini", {kNotOurs}, {});
    rows("prediction", {kNotOurs}, {});
    rows("update file", {kCorrupt}, {kConfirm, QStringLiteral("データが更新されました")});
}

void SpecialFilesTest::readers() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QStringList, messages);
    ProgramHarness program;
    const ReadFile read = readFile(file);
    place(program.dir, read, kind);
    const long memoryBefore = peakMemory();

    program.start();
    if (file == QStringLiteral("deme.ini")) {
        program.setText(QStringLiteral("Cmbno"), QStringLiteral("50"));
        program.pressGo();
    } else if (file == QStringLiteral("option.ini")) {
        program.main()->selectCourse(Course::Steady);
        program.menuItem(QStringLiteral("MnOp"))->trigger();
    } else if (file == QStringLiteral("prediction")) {
        program.prompter.fileAnswers.push_back(program.dir.path(read.path));
        program.menuItem(QStringLiteral("MnOpen"))->trigger();
    } else if (file == QStringLiteral("update file")) {
        program.menuItem(QStringLiteral("Mndata"))->trigger();
        UpdateWindow* update = program.windows().existingUpdateWindow();
        ProgramHarness::find<QLineEdit>(update, QStringLiteral("TxFilename"))
            ->setText(program.dir.path(read.path));
        QTest::mouseClick(ProgramHarness::find(update, QStringLiteral("ComGo")), Qt::LeftButton);
    }

    if (messages == QStringList{"read"} || messages == QStringList{"write"}) {
        const QString reason = kind == QStringLiteral("symbolic link loop")       ? kLoop
                               : kind == QStringLiteral("gigabytes in one field") ? kTooLong
                                                                                  : kNotAFile;
        messages = {startupText(messages[0] == QStringLiteral("read")
                                    ? QStringLiteral("データファイルを読み込めませんでした。")
                                    : QStringLiteral("データファイルを書き込めませんでした。"),
                                program.dir.path(read.path), reason)};
    }
    QCOMPARE(program.prompter.texts(), messages);
    QVERIFY2(peakMemory() - memoryBefore < 64 * 1024,
             qPrintable(QStringLiteral("%1 KiB more").arg(peakMemory() - memoryBefore)));
}

QTEST_MAIN(SpecialFilesTest)
#include "tst_specialfiles.moc"
