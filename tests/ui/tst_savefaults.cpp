// SPDX-License-Identifier: GPL-3.0-or-later

// Every save of the program on a disk that says no: a full file system, a folder that cannot
// be written, a disk whose sync or rename fails. The old files stay byte for byte, no
// temporary file is left, and the user is told which file could not be written and why.

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

#include "programharness.h"
#include "readonlyfolder.h"
#include "systemfaults.h"
#include "testhttpserver.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QString kConfirm = QStringLiteral(
    "2040回までのデータを更新します。以前のデータは上書きされますが、よろしいですか？");
const QString kFull = QStringLiteral("ディスクの空き容量が足りません");
const QString kRefused = QStringLiteral("アクセスする権限がありません");
const QString kDiskError = QStringLiteral("ディスクの読み書きでエラーが起きました");
const QByteArray kOldOptions =
    "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",0,0,0,0,\"\",0,0,0,0\r\n0,0,0,0,0,0,0\r\n";
const QByteArray kOldChainList = "1,2,3,4,5,6,7,8,9,10\r\n";

QByteArray update2040() {
    return shippedData(QStringLiteral("history/update.txt"))
        .replace("\"pomrinupdate\",2037,", "\"pomrinupdate\",2040,");
}

// A table row's fault, in place while it lives, for the files under `folder`.
struct DiskFault {
    DiskFault(const QString& kind, const QString& folder) {
        if (kind == QStringLiteral("full")) {
            full.emplace(folder);
        } else if (kind == QStringLiteral("read-only")) {
            readOnly.emplace(folder);
        } else {
            shim.emplace(folder);
            if (kind == QStringLiteral("sync")) {
                shim->failSync("EIO");
            } else if (kind == QStringLiteral("rename-4")) {
                shim->failRename(4, "EIO");
            } else {
                // The second data file's rename: the record of the pair is renamed first.
                shim->failRename(3, "EIO");
            }
        }
    }
    bool ok() const { return !readOnly || readOnly->ok(); }

    std::optional<FullDisk> full;
    std::optional<ReadOnlyFolder> readOnly;
    std::optional<SystemFaults> shim;
};

// The program over a program folder with the old files of every save in it.
struct Saving : ProgramHarness {
    Saving() {
        dir.write(QStringLiteral("option.ini"), kOldOptions);
        dir.write(QStringLiteral("old.txt"), "old prediction");
        dir.write(QStringLiteral("data/rens.ini"), kOldChainList);
        dir.write(QStringLiteral("data/update.txt"), "old download");
        dir.write(QStringLiteral("u.txt"), update2040());
        QDir().mkpath(dir.path(QStringLiteral("data/history")));
        dir.write(QStringLiteral("data/history/draws-6of43.csv"),
                  shippedData(QStringLiteral("history/draws-6of43.csv")));
        clock.date = QDate(2025, 10, 2);
    }
    // Every file of the folder with its bytes.
    QStringList snapshot() const {
        QStringList files;
        for (const QString& name : filesUnder(dir.path(QStringLiteral(".")))) {
            files << name + QStringLiteral(": ") + QString::fromLatin1(dir.read(name).toHex());
        }
        return files;
    }
    void press(QWidget* window, const char* button) const {
        QTest::mouseClick(find(window, QLatin1String(button)), Qt::LeftButton);
    }

    void updateData() {
        menuItem(QStringLiteral("Mndata"))->trigger();
        UpdateWindow* update = windows().existingUpdateWindow();
        find<QLineEdit>(update, QStringLiteral("TxFilename"))
            ->setText(dir.path(QStringLiteral("u.txt")));
        press(update, "ComGo");
    }
    void confirmRules() {
        main()->selectCourse(Course::Steady);
        menuItem(QStringLiteral("MnOp"))->trigger();
        RuleWindow* rules = windows().existingRuleWindow();
        QTest::mouseClick(find<QCheckBox>(rules, QStringLiteral("ChHo(1)")), Qt::LeftButton);
        press(rules, "ComOk");
    }
    void addDraw() {
        menuItem(QStringLiteral("MnResult"))->trigger();
        QWidget* result = windows().existingResultWindow();
        QVERIFY(QTest::qWaitForWindowExposed(result));
        const QStringList numbers{"1", "9", "17", "22", "30", "43", "5"};
        for (int k = 0; k < 7; ++k) {
            clickOn(find(result,
                         k < 6 ? QStringLiteral("TxNum(%1)").arg(k) : QStringLiteral("TxBonus")));
            type(result, numbers[k]);
        }
        press(result, "ComResultOk");
    }
    void savePrediction() {
        menuItem(QStringLiteral("MnSave"))->setEnabled(true);
        prompter.fileAnswers.push_back(dir.path(QStringLiteral("old.txt")));
        menuItem(QStringLiteral("MnSave"))->trigger();
    }
    void download(const TestHttpServer& server) {
        updateUrl = server.url();
        menuItem(QStringLiteral("Mndata"))->trigger();
        auto* source = find<QComboBox>(windows().existingUpdateWindow(), QStringLiteral("CmbSel"));
        source->setCurrentIndex(0);
        emit source->activated(0);
        press(windows().existingUpdateWindow(), "ComGo");
    }

    QStringList before;
};

}  // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void saves_data();
    void saves();
};

void SaveFaultsTest::initTestCase() {
    QVERIFY2(SystemFaults::shimLoaded(), "run through CTest, which preloads the fault shim");
}

void SaveFaultsTest::saves_data() {
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("faultFolder");   // where the fault is
    QTest::addColumn<QString>("file");          // the file the message names
    QTest::addColumn<QStringList>("messages");  // before the one naming the file
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("reason");

    const QString dataRewrite = QStringLiteral("データファイルを書き込めませんでした。");
    const QString options = QStringLiteral("設定を保存できませんでした。");
    const QString prediction = QStringLiteral("予想ファイルを保存できませんでした。");
    const QString download = QStringLiteral("更新ファイルを保存できませんでした。");
    const QStringList confirm{kConfirm};
    const QStringList connected{QStringLiteral("インターネットに接続していますか？")};
    QTest::newRow("data update, full disk") << "update"
                                            << "full"
                                            << "."
                                            << "data/deme.ini" << confirm << dataRewrite << kFull;
    QTest::newRow("data update, read-only folder")
        << "update"
        << "read-only"
        << "data"
        << "data/deme.ini" << confirm << dataRewrite << kRefused;
    QTest::newRow("data update, second rename fails")
        << "update"
        << "rename"
        << "data"
        << "data/rensa.ini" << confirm << dataRewrite << kDiskError;
    QTest::newRow("data update, sync fails")
        << "update"
        << "sync"
        << "data"
        << "data/deme.ini" << confirm << dataRewrite << kDiskError;
    QTest::newRow("設定, full disk") << "options"
                                     << "full"
                                     << "."
                                     << "option.ini" << QStringList() << options << kFull;
    QTest::newRow("設定, read-only folder") << "options"
                                            << "read-only"
                                            << "."
                                            << "option.ini" << QStringList() << options << kRefused;
    QTest::newRow("設定, sync fails") << "options"
                                      << "sync"
                                      << "."
                                      << "option.ini" << QStringList() << options << kDiskError;
    QTest::newRow("prediction, full disk") << "prediction"
                                           << "full"
                                           << "."
                                           << "old.txt" << QStringList() << prediction << kFull;
    QTest::newRow("prediction, read-only folder")
        << "prediction"
        << "read-only"
        << "."
        << "old.txt" << QStringList() << prediction << kRefused;
    QTest::newRow("prediction, sync fails")
        << "prediction"
        << "sync"
        << "."
        << "old.txt" << QStringList() << prediction << kDiskError;
    QTest::newRow("chain list at start-up, full disk")
        << "start-up"
        << "full"
        << "."
        << "data/rens.ini" << QStringList()
        << QStringLiteral("データファイルを書き込めませんでした。") << kFull;
    const QString addition =
        QStringLiteral("当選番号を登録できませんでした。履歴とデータファイルは元のままです。");
    QTest::newRow("登録, full disk") << "result"
                                     << "full"
                                     << "."
                                     << "data/deme.ini" << QStringList() << addition << kFull;
    QTest::newRow("登録, read-only folder")
        << "result"
        << "read-only"
        << "data"
        << "data/deme.ini" << QStringList() << addition << kRefused;
    // The history is renamed last, after both data files: they are put back.
    QTest::newRow("登録, the history's rename fails")
        << "result"
        << "rename-4"
        << "data"
        << "data/history/draws-6of43.csv" << QStringList() << addition << kDiskError;
    QTest::newRow("登録, sync fails") << "result"
                                      << "sync"
                                      << "data"
                                      << "data/deme.ini" << QStringList() << addition << kDiskError;
    QTest::newRow("download, full disk") << "download"
                                         << "full"
                                         << "."
                                         << "data/update.txt" << connected << download << kFull;
    QTest::newRow("download, read-only folder")
        << "download"
        << "read-only"
        << "data"
        << "data/update.txt" << connected << download << kRefused;
}

void SaveFaultsTest::saves() {
    QFETCH(QString, save);
    QFETCH(QString, fault);
    QFETCH(QString, faultFolder);
    QFETCH(QString, file);
    QFETCH(QStringList, messages);
    QFETCH(QString, headline);
    QFETCH(QString, reason);
    Saving program;
    TestHttpServer server;
    server.body = update2040();
    const bool atStart = save == QStringLiteral("start-up");
    if (!atStart) {
        program.start();
    }
    const DiskFault broken(fault, program.dir.path(faultFolder));
    if (!broken.ok()) {
        QSKIP("this machine cannot make a folder read-only");
    }
    program.before = program.snapshot();
    if (atStart) {
        program.start();
    } else if (save == QStringLiteral("update")) {
        program.updateData();
    } else if (save == QStringLiteral("options")) {
        program.confirmRules();
    } else if (save == QStringLiteral("prediction")) {
        program.savePrediction();
    } else if (save == QStringLiteral("result")) {
        program.addDraw();
    } else {
        program.download(server);
    }

    QString expected = fileFaultMessage(
        headline, RuntimeFault(FaultKind::FileUnwritable, {}, program.dir.path(file), reason));
    if (atStart) {
        expected += QStringLiteral("\n\n「コレは！という数字」の候補なしで続けます。");
    }
    QCOMPARE(program.prompter.texts(), messages << expected);
    QCOMPARE(program.prompter.shown.last().icon, MessageIcon::Warning);
    QCOMPARE(program.snapshot(), program.before);
    // The window of a failed save stays open for another try.
    if (save == QStringLiteral("options")) {
        QVERIFY(program.windows().existingRuleWindow());
    } else if (save == QStringLiteral("result")) {
        QVERIFY(program.windows().existingResultWindow());
    } else if (save == QStringLiteral("update") || save == QStringLiteral("download")) {
        QVERIFY(program.windows().existingUpdateWindow());
        QVERIFY(!program.windows().existingProgressWindow());
    }
}

QTEST_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
