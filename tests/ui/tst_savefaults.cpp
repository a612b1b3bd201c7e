// The user's files when the disk says no between writing the new bytes and putting them in
// place: the old files stay byte for byte, and the user is told.

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

#include "common/fields.h"
#include "programharness.h"
#include "readonlyfolder.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QString kCorrupt = QStringLiteral(
    "このファイルはkuji6ぽむりんUpdateファイルではないか、又はデータが壊れています。");
const QString kInputError = QStringLiteral("入力条件にエラーがあります。");
const QByteArray kOldOptions =
    "\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",0,0,0,0,\"\",0,0,0,0\r\n0,0,0,0,0,0,0\r\n";

// Makes every replacement of a file whose name ends in `name` fail.
struct FailingReplacement {
    explicit FailingReplacement(const QString& name) {
        setBeforeReplaceHook([name](const QString& path) {
            if (path.endsWith(name)) {
                throw RuntimeFault(FaultKind::FileUnwritable, QStringLiteral("injected"), path);
            }
        });
    }
    ~FailingReplacement() { setBeforeReplaceHook({}); }
};

// A table row's way of making the save of `name` fail: its folder read-only, or an error
// between writing the new bytes and putting them in place.
struct BrokenSave {
    BrokenSave(bool readOnly, const QString& folderPath, const QString& name) {
        if (readOnly) {
            folder.emplace(folderPath);
        } else {
            failing.emplace(name);
        }
    }
    // False when the machine cannot make the folder read-only.
    bool ok() const { return !folder || folder->ok(); }

    std::optional<ReadOnlyFolder> folder;
    std::optional<FailingReplacement> failing;
};

}  // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
  private slots:
    void dataRewriteFailsBetweenTheTwoFiles();
    void optionsFile_data();
    void optionsFile();
    void predictionFile_data();
    void predictionFile();
};

void SaveFaultsTest::dataRewriteFailsBetweenTheTwoFiles() {
    ProgramHarness program;
    program.start();
    const QByteArray oldDeme = program.dir.read(QStringLiteral("data/deme.ini"));
    const QByteArray oldRensa = program.dir.read(QStringLiteral("data/rensa.ini"));
    program.dir.write(QStringLiteral("u.txt"), shippedData(QStringLiteral("history/update.txt"))
                                                   .replace(",2037,", ",2040,")
                                                   .replace("\r\n14,1\r\n", "\r\n99,7\r\n"));
    program.menuItem(QStringLiteral("Mndata"))->trigger();
    UpdateWindow* update = program.windows().existingUpdateWindow();
    // deme.ini is replaced first; rensa.ini then fails, and deme.ini must come back.
    FailingReplacement failing(QStringLiteral("rensa.ini"));
    ProgramHarness::find<QLineEdit>(update, QStringLiteral("TxFilename"))
        ->setText(program.dir.path(QStringLiteral("u.txt")));
    QTest::mouseClick(ProgramHarness::find(update, QStringLiteral("ComGo")), Qt::LeftButton);
    QCOMPARE(program.prompter.texts().last(), kCorrupt);
    QCOMPARE(program.dir.read(QStringLiteral("data/deme.ini")), oldDeme);
    QCOMPARE(program.dir.read(QStringLiteral("data/rensa.ini")), oldRensa);
    QVERIFY(program.windows().existingUpdateWindow());
}

void SaveFaultsTest::optionsFile_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("failure before replacing") << false;
}

void SaveFaultsTest::optionsFile() {
    QFETCH(bool, readOnly);
    ProgramHarness program;
    program.dir.write(QStringLiteral("option.ini"), kOldOptions);
    program.start();
    program.main()->selectCourse(1);
    program.menuItem(QStringLiteral("MnOp"))->trigger();
    RuleWindow* rules = program.windows().existingRuleWindow();
    QTest::mouseClick(ProgramHarness::find<QCheckBox>(rules, QStringLiteral("ChHo(1)")),
                      Qt::LeftButton);
    const BrokenSave broken(readOnly, program.dir.path(QStringLiteral(".")),
                            QStringLiteral("option.ini"));
    if (!broken.ok()) {
        QSKIP("this machine cannot make a folder read-only");
    }
    QTest::mouseClick(ProgramHarness::find(rules, QStringLiteral("ComOk")), Qt::LeftButton);
    QCOMPARE(program.prompter.texts(), QStringList{kInputError});
    QCOMPARE(program.dir.read(QStringLiteral("option.ini")), kOldOptions);
    QVERIFY(program.windows().existingRuleWindow());
}

void SaveFaultsTest::predictionFile_data() {
    optionsFile_data();
}

void SaveFaultsTest::predictionFile() {
    QFETCH(bool, readOnly);
    ProgramHarness program;
    program.dir.write(QStringLiteral("old.txt"), "old prediction");
    program.start();
    program.menuItem(QStringLiteral("MnSave"))->setEnabled(true);
    const BrokenSave broken(readOnly, program.dir.path(QStringLiteral(".")),
                            QStringLiteral("old.txt"));
    if (!broken.ok()) {
        QSKIP("this machine cannot make a folder read-only");
    }
    const QString path = program.dir.path(QStringLiteral("old.txt"));
    program.prompter.fileAnswers.push_back(path);
    program.menuItem(QStringLiteral("MnSave"))->trigger();
    QCOMPARE(program.prompter.shown.size(), 1);
    QCOMPARE(program.prompter.shown[0].icon, MessageIcon::Warning);
    QVERIFY(program.prompter.shown[0].text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(program.dir.read(QStringLiteral("old.txt")), QByteArray("old prediction"));
}

QTEST_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
