// SPDX-License-Identifier: GPL-3.0-or-later

// The one way every file is saved, on disks that fail as real ones do.

#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>

#include "common/safefile.h"
#include "readonlyfolder.h"
#include "systemfaults.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QByteArray kOld = "old bytes\r\n";
const QByteArray kNew = QByteArray(10000, 'n');

struct Folder {
    QTemporaryDir dir;

    QString path(const QString& name = QStringLiteral(".")) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    QStringList files() const { return filesUnder(dir.path()); }
};

// The fault a table row names, on `folder` while it lives.
struct Fault {
    Fault(const QString& kind, const QString& folder) {
        if (kind == QStringLiteral("full disk")) {
            full.emplace(folder);
            return;
        }
        if (kind == QStringLiteral("read-only folder")) {
            readOnly.emplace(folder);
            return;
        }
        shim.emplace(folder);
        if (kind == QStringLiteral("write error")) {
            shim->failWrites(100, "EIO");
        } else if (kind == QStringLiteral("sync error")) {
            shim->failSync("EIO");
        } else if (kind.startsWith(QStringLiteral("rename "))) {
            shim->failRename(kind.mid(7).toInt(), "EIO");
        }
    }
    bool ok() const { return !readOnly || readOnly->ok(); }

    std::optional<FullDisk> full;
    std::optional<ReadOnlyFolder> readOnly;
    std::optional<SystemFaults> shim;
};

QString reasonOf(const std::function<void()>& save) {
    try {
        save();
    } catch (const RuntimeFault& fault) {
        return fault.kind() == FaultKind::FileUnwritable ? fault.reason() : QStringLiteral("?");
    }
    return QStringLiteral("saved");
}

mode_t modeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

}  // namespace

class SafeFileTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void replacesWithTheSamePermissions();
    void followsASymbolicLink();
    void failures_data();
    void failures();
    void pairIsAllOrNothing_data();
    void pairIsAllOrNothing();
    void recordedTargets_data();
    void recordedTargets();
};

void SafeFileTest::initTestCase() {
    QVERIFY2(SystemFaults::shimLoaded(), "run through CTest, which preloads the fault shim");
}

void SafeFileTest::replacesWithTheSamePermissions() {
    Folder folder;
    folder.write(QStringLiteral("f.ini"), kOld);
    QVERIFY(::chmod(QFile::encodeName(folder.path(QStringLiteral("f.ini"))).constData(), 0640) ==
            0);
    saveBytes(kNew, folder.path(QStringLiteral("f.ini")));
    QCOMPARE(folder.read(QStringLiteral("f.ini")), kNew);
    QCOMPARE(modeOf(folder.path(QStringLiteral("f.ini"))), mode_t{0640});
    QCOMPARE(folder.files(), QStringList{"f.ini"});
}

void SafeFileTest::followsASymbolicLink() {
    Folder folder;
    QDir(folder.path()).mkdir(QStringLiteral("kept"));
    folder.write(QStringLiteral("kept/f.ini"), kOld);
    QVERIFY(QFile::link(folder.path(QStringLiteral("kept/f.ini")),
                        folder.path(QStringLiteral("f.ini"))));
    saveBytes(kNew, folder.path(QStringLiteral("f.ini")));
    QVERIFY(QFileInfo(folder.path(QStringLiteral("f.ini"))).isSymLink());
    QCOMPARE(folder.read(QStringLiteral("kept/f.ini")), kNew);
    QCOMPARE(folder.files(), (QStringList{"f.ini", "kept/f.ini"}));
}

void SafeFileTest::failures_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("target");  // what is in the file's place
    QTest::addColumn<QString>("reason");
    const QString full = QStringLiteral("ディスクの空き容量が足りません");
    const QString diskError = QStringLiteral("ディスクの読み書きでエラーが起きました");
    const QString notAFile = QStringLiteral("通常のファイルではありません");
    QTest::newRow("full disk") << "full disk"
                               << "file" << full;
    QTest::newRow("full disk, new file") << "full disk"
                                         << "nothing" << full;
    QTest::newRow("write error part-way") << "write error"
                                          << "file" << diskError;
    QTest::newRow("sync error") << "sync error"
                                << "file" << diskError;
    QTest::newRow("rename error") << "rename 1"
                                  << "file" << diskError;
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "file" << QStringLiteral("アクセスする権限がありません");
    QTest::newRow("missing folder")
        << "none"
        << "missing folder" << QStringLiteral("フォルダーが見つかりません");
    QTest::newRow("a folder in its place") << "none"
                                           << "folder" << notAFile;
    QTest::newRow("a FIFO in its place") << "none"
                                         << "fifo" << notAFile;
    QTest::newRow("a link to a device") << "none"
                                        << "device" << notAFile;
    QTest::newRow("a symbolic link loop")
        << "none"
        << "loop" << QStringLiteral("シンボリックリンクが循環しています");
}

void SafeFileTest::failures() {
    QFETCH(QString, fault);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    Folder folder;
    QString path = folder.path(QStringLiteral("f.ini"));
    const QByteArray name = QFile::encodeName(path);
    if (target == QStringLiteral("file")) {
        folder.write(QStringLiteral("f.ini"), kOld);
    } else if (target == QStringLiteral("missing folder")) {
        path = folder.path(QStringLiteral("none/f.ini"));
    } else if (target == QStringLiteral("folder")) {
        QDir(folder.path()).mkdir(QStringLiteral("f.ini"));
    } else if (target == QStringLiteral("fifo")) {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    } else if (target == QStringLiteral("device")) {
        QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
    } else if (target == QStringLiteral("loop")) {
        QCOMPARE(::symlink(name.constData(), name.constData()), 0);
    }
    const QStringList before = folder.files();
    const Fault broken(fault, folder.path());
    if (!broken.ok()) {
        QSKIP("this machine cannot make a folder read-only");
    }
    QCOMPARE(reasonOf([&] { saveBytes(kNew, path); }), reason);
    QCOMPARE(folder.files(), before);
    // Only a regular file can be read back without blocking or reading for ever.
    if (target == QStringLiteral("file")) {
        QCOMPARE(folder.read(QStringLiteral("f.ini")), kOld);
    }
}

void SafeFileTest::pairIsAllOrNothing_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("oldFiles");
    // Renamed in order: the record of the pair, the first file, the second file.
    QTest::newRow("first file's rename fails") << "rename 2" << true;
    QTest::newRow("second file's rename fails") << "rename 3" << true;
    QTest::newRow("second file's rename fails, no old files") << "rename 3" << false;
    QTest::newRow("the record cannot be written") << "rename 1" << true;
    QTest::newRow("full disk") << "full disk" << true;
    QTest::newRow("sync error") << "sync error" << true;
}

void SafeFileTest::pairIsAllOrNothing() {
    QFETCH(QString, fault);
    QFETCH(bool, oldFiles);
    Folder folder;
    if (oldFiles) {
        folder.write(QStringLiteral("a.ini"), kOld);
        folder.write(QStringLiteral("b.ini"), kOld + kOld);
    }
    const QStringList before = folder.files();
    const QByteArray oldA = folder.read(QStringLiteral("a.ini"));
    const QByteArray oldB = folder.read(QStringLiteral("b.ini"));
    {
        const Fault broken(fault, folder.path());
        QVERIFY_THROWS_EXCEPTION(RuntimeFault,
                                 saveFilesTogether({{folder.path(QStringLiteral("a.ini")), kNew},
                                                    {folder.path(QStringLiteral("b.ini")), kNew}}));
        QCOMPARE(folder.read(QStringLiteral("a.ini")), oldA);
        QCOMPARE(folder.read(QStringLiteral("b.ini")), oldB);
        QCOMPARE(folder.files(), before);
    }
    saveFilesTogether({{folder.path(QStringLiteral("a.ini")), kNew},
                       {folder.path(QStringLiteral("b.ini")), kNew}});
    QCOMPARE(folder.read(QStringLiteral("a.ini")), kNew);
    QCOMPARE(folder.read(QStringLiteral("b.ini")), kNew);
    QCOMPARE(folder.files(), (QStringList{"a.ini", "b.ini"}));
}

void SafeFileTest::recordedTargets_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("carriedOut");
    // A replacement may reach a folder below its own, never a file elsewhere.
    QTest::newRow("a folder below") << "sub/b.ini" << true;
    QTest::newRow("the folder above") << "../b.ini" << false;
    QTest::newRow("above by a folder below") << "sub/../../b.ini" << false;
    QTest::newRow("an absolute path") << "(absolute)" << false;
}

// A record found at start-up, as a crash leaves one: only a replacement within the folder
// is carried out; any other record is dropped with its temporary file.
void SafeFileTest::recordedTargets() {
    QFETCH(QString, target);
    QFETCH(bool, carriedOut);
    Folder folder;
    if (target == QStringLiteral("(absolute)")) {
        target = folder.path(QStringLiteral("b.ini"));
    }
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("data/sub")));
    folder.write(QStringLiteral("b.ini"), kOld);
    folder.write(QStringLiteral("data/sub/b.ini"), kOld);
    folder.write(QStringLiteral("data/.b.ini.kuji6-AAAAAA"), kNew);
    folder.write(QStringLiteral("data/.kuji6-replacing"),
                 "1\r\n\".b.ini.kuji6-AAAAAA\",\"" + target.toUtf8() + "\"\r\n");
    recoverFolder(folder.path(QStringLiteral("data")));
    QCOMPARE(folder.read(QStringLiteral("data/sub/b.ini")), carriedOut ? kNew : kOld);
    QCOMPARE(folder.read(QStringLiteral("b.ini")), kOld);
    QCOMPARE(folder.files(), (QStringList{"b.ini", "data/sub/b.ini"}));
}

QTEST_GUILESS_MAIN(SafeFileTest)
#include "tst_safefile.moc"
