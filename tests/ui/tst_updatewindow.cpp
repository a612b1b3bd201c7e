// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QtTest>

#include "hostileserver.h"
#include "programharness.h"
#include "readonlyfolder.h"
#include "testhttpserver.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

const QString kCorrupt = QStringLiteral(
    "このファイルはkuji6ぽむりんUpdateファイルではないか、又はデータが壊れています。");
const QString kConfirm = QStringLiteral(
    "2040回までのデータを更新します。以前のデータは上書きされますが、よろしいですか？");

// The shipped update file made into one for draw 2040.
QByteArray update2040() {
    return shippedData(QStringLiteral("history/update.txt"))
        .replace("\"pomrinupdate\",2037,", "\"pomrinupdate\",2040,");
}

// The program with the data update window opened from the menu.
struct UpdateOpen : ProgramHarness {
    UpdateOpen() {
        start();
        main()->show();
        menuItem(QStringLiteral("Mndata"))->trigger();
        oldDeme = dir.read(QStringLiteral("data/deme.ini"));
        oldRensa = dir.read(QStringLiteral("data/rensa.ini"));
    }
    UpdateWindow* window() const { return windows().existingUpdateWindow(); }
    template <class T = QWidget>
    T* part(const QString& name) const {
        return find<T>(window(), name);
    }
    QLineEdit* path() const { return part<QLineEdit>(QStringLiteral("TxFilename")); }
    bool goEnabled() const { return part(QStringLiteral("ComGo"))->isEnabled(); }
    void chooseSource(int index) const {
        auto* source = part<QComboBox>(QStringLiteral("CmbSel"));
        source->setCurrentIndex(index);
        emit source->activated(index);
    }
    void pressGo() const { QTest::mouseClick(part(QStringLiteral("ComGo")), Qt::LeftButton); }
    void typeInto(QWidget* box, const QString& text) const {
        clickOn(box);
        type(window(), text);
    }
    void updateFrom(const QString& file) const {
        path()->setText(QStringLiteral("x"));  // typing enables 更新, also for an empty path
        path()->setText(file);
        pressGo();
    }
    bool dataUntouched() const {
        return dir.read(QStringLiteral("data/deme.ini")) == oldDeme &&
               dir.read(QStringLiteral("data/rensa.ini")) == oldRensa;
    }
    QByteArray oldDeme;
    QByteArray oldRensa;
};

}  // namespace

class UpdateWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensInFileMode();
    void fileModeControls();
    void networkModeControls();
    void pickingAFile();
    void updateFromAFile();
    void enterAndEscape_data();
    void enterAndEscape();
    void cancelAtTheConfirmation();
    void fileFailures_data();
    void fileFailures();
    void readOnlyDataFolder();
    void networkNotConnected();
    void networkFailures_data();
    void networkFailures();
    void updateFromTheNetwork();
};

void UpdateWindowTest::opensInFileMode() {
    UpdateOpen program;
    QVERIFY(program.window()->isVisible());
    QVERIFY(!program.main()->isVisible());
    QCOMPARE(program.window()->windowTitle(), QStringLiteral("データの更新"));
    QCOMPARE(program.part<QComboBox>(QStringLiteral("CmbSel"))->currentText(),
             QStringLiteral("ファイル"));
    QCOMPARE(program.path()->text(), QString());
    QVERIFY(!program.goEnabled());
    QVERIFY(program.part(QStringLiteral("ComSansyo"))->isEnabled());
    QCOMPARE(program.part<QLineEdit>(QStringLiteral("Txkai"))->text(), QStringLiteral("2037"));
    QTest::mouseClick(program.part(QStringLiteral("ComCancel")), Qt::LeftButton);
    QVERIFY(!program.window());
    QVERIFY(program.main()->isVisible());
}

void UpdateWindowTest::fileModeControls() {
    UpdateOpen program;
    program.typeInto(program.path(), QStringLiteral("x"));
    QVERIFY(program.goEnabled());
    press(program.window(), Qt::Key_Backspace);
    QVERIFY(program.goEnabled());
    program.typeInto(program.part(QStringLiteral("Txkai")), QStringLiteral("9"));
    QCOMPARE(program.part<QLineEdit>(QStringLiteral("Txkai"))->text(), QStringLiteral("2037"));
    // The source is only picked from the list: no key changes it in place.
    clickOn(program.path());
    press(program.window(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), program.part(QStringLiteral("CmbSel")));
    type(program.window(), QStringLiteral("n"));
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End}) {
        press(program.window(), key);
    }
    QCOMPARE(program.part<QComboBox>(QStringLiteral("CmbSel"))->currentText(),
             QStringLiteral("ファイル"));
}

void UpdateWindowTest::networkModeControls() {
    const UpdateUrlOverride mirror(
        QUrl(QStringLiteral("http://mirror.example.net/download/update.txt")));
    UpdateOpen program;
    program.chooseSource(0);
    QCOMPARE(program.path()->text(),
             QStringLiteral("http://mirror.example.net/download/update.txt"));
    QVERIFY(program.goEnabled());
    QVERIFY(!program.part(QStringLiteral("ComSansyo"))->isEnabled());
    program.typeInto(program.path(), QStringLiteral("abc"));
    QCOMPARE(program.path()->text(),
             QStringLiteral("http://mirror.example.net/download/update.txt"));
    program.chooseSource(1);
    QCOMPARE(program.path()->text(), QString());
    QVERIFY(!program.goEnabled());
}

void UpdateWindowTest::pickingAFile() {
    UpdateOpen program;
    program.typeInto(program.path(), QStringLiteral("typed"));
    program.prompter.fileAnswers.push_back(QString());
    QTest::mouseClick(program.part(QStringLiteral("ComSansyo")), Qt::LeftButton);
    QCOMPARE(program.path()->text(), QString());
    QVERIFY(!program.goEnabled());
    QCOMPARE(program.prompter.filters, QStringList{"Text(*txt)"});
    const QString chosen = program.dir.path(QStringLiteral("update.txt"));
    program.prompter.fileAnswers.push_back(chosen);
    QTest::mouseClick(program.part(QStringLiteral("ComSansyo")), Qt::LeftButton);
    QCOMPARE(program.path()->text(), QDir::toNativeSeparators(chosen));
    QVERIFY(program.goEnabled());
}

void UpdateWindowTest::updateFromAFile() {
    UpdateOpen program;
    const QStringList favourites = program.items(QStringLiteral("Cmbno"));
    program.dir.write(QStringLiteral("u.txt"), update2040());
    program.updateFrom(program.dir.path(QStringLiteral("u.txt")));
    QCOMPARE(program.prompter.texts(), (QStringList{kConfirm, "データが更新されました"}));
    const ShownMessage& confirm = program.prompter.shown[0];
    QCOMPARE(confirm.title, QStringLiteral("kuji6ぽむりんUpdate"));
    QCOMPARE(confirm.buttons, MessageButtons::OkCancel);
    QCOMPARE(confirm.icon, MessageIcon::Warning);
    QCOMPARE(program.prompter.shown[1].icon, MessageIcon::Information);
    QVERIFY(program.dir.read(QStringLiteral("data/deme.ini")).startsWith("2040,0\r\n14,1\r\n"));
    QCOMPARE(program.dir.read(QStringLiteral("data/rensa.ini")), program.oldRensa);
    QVERIFY(!program.window());
    QVERIFY(!program.windows().existingProgressWindow());
    QVERIFY(program.main()->isVisible());
    // Nothing is reloaded now: the favourite list changes with the next main window.
    QCOMPARE(program.control<QComboBox>(QStringLiteral("Cmbno"))->count(), favourites.size());
    QCOMPARE(program.control<QComboBox>(QStringLiteral("Cmbno"))->itemText(0), favourites[0]);
    QCOMPARE(program.state.updateKai, qint16{2040});
}

void UpdateWindowTest::enterAndEscape_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Enter is 更新")
        << int(Qt::Key_Return) << QStringList{kConfirm, "データが更新されました"};
    QTest::newRow("Escape is キャンセル") << int(Qt::Key_Escape) << QStringList{};
}

void UpdateWindowTest::enterAndEscape() {
    QFETCH(int, key);
    QFETCH(QStringList, messages);
    UpdateOpen program;
    program.dir.write(QStringLiteral("u.txt"), update2040());
    program.typeInto(program.path(), program.dir.path(QStringLiteral("u.txt")));
    press(program.window(), Qt::Key(key));
    QCOMPARE(program.prompter.texts(), messages);
    QTRY_VERIFY(!program.window());
    QVERIFY(program.main()->isVisible());
    QCOMPARE(program.dataUntouched(), messages.isEmpty());
}

void UpdateWindowTest::cancelAtTheConfirmation() {
    UpdateOpen program;
    program.dir.write(QStringLiteral("u.txt"), update2040());
    program.prompter.answers = {MessageAnswer::Cancel};
    program.updateFrom(program.dir.path(QStringLiteral("u.txt")));
    QCOMPARE(program.prompter.texts(), QStringList{kConfirm});
    QVERIFY(!program.window() && !program.windows().existingProgressWindow());
    QVERIFY(program.main()->isVisible());
    QVERIFY(program.dataUntouched());
    QCOMPARE(program.state.updateKai, qint16{0});
}

void UpdateWindowTest::fileFailures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("icon");
    const int warning = int(MessageIcon::Warning);
    QTest::newRow("wrong magic word")
        << "u.txt" << QByteArray(update2040()).replace("pomrinupdate", "Pomrinupdate")
        << QStringList{kCorrupt} << warning;
    QTest::newRow("missing file") << "none.txt" << QByteArray()
                                  << QStringList{"ファイルが見つかりません。"}
                                  << int(MessageIcon::Information);
    QTest::newRow("missing folder")
        << "no-folder/u.txt" << QByteArray() << QStringList{kCorrupt} << warning;
    QTest::newRow("empty path") << "" << QByteArray() << QStringList{kCorrupt} << warning;
    QTest::newRow("cut short") << "u.txt" << update2040().left(3000)
                               << QStringList{kConfirm, kCorrupt} << warning;
    QTest::newRow("empty file") << "u.txt" << QByteArray(" ") << QStringList{kCorrupt} << warning;
}

void UpdateWindowTest::fileFailures() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, messages);
    QFETCH(int, icon);
    UpdateOpen program;
    if (!bytes.isEmpty()) {
        program.dir.write(file, bytes);
    }
    program.updateFrom(file.isEmpty() ? QString() : program.dir.path(file));
    QCOMPARE(program.prompter.texts(), messages);
    QCOMPARE(int(program.prompter.shown.last().icon), icon);
    QVERIFY(program.window() && program.window()->isVisible());
    QVERIFY(!program.windows().existingProgressWindow());
    QVERIFY(program.dataUntouched());
}

void UpdateWindowTest::readOnlyDataFolder() {
    UpdateOpen program;
    program.dir.write(QStringLiteral("u.txt"), update2040());
    ReadOnlyFolder readOnly(program.dir.folder().dataFolder());
    if (!readOnly.ok()) {
        QSKIP("this machine cannot make a folder read-only");
    }
    program.updateFrom(program.dir.path(QStringLiteral("u.txt")));
    // Not the update file's fault: the message names the data file and the reason.
    QCOMPARE(
        program.prompter.texts(),
        (QStringList{kConfirm, fileFaultMessage(
                                   QStringLiteral("データファイルを書き込めませんでした。"),
                                   RuntimeFault(FaultKind::FileUnwritable, {},
                                                program.dir.folder().demeFile(),
                                                QStringLiteral("アクセスする権限がありません")))}));
    QVERIFY(program.window());
    QVERIFY(program.dataUntouched());
}

void UpdateWindowTest::networkNotConnected() {
    TestHttpServer server;
    const UpdateUrlOverride mirror(server.url());
    UpdateOpen program;
    program.chooseSource(0);
    program.prompter.answers = {MessageAnswer::No};
    program.pressGo();
    QCOMPARE(program.prompter.texts(), QStringList{"インターネットに接続していますか？"});
    QCOMPARE(program.prompter.shown[0].title, QStringLiteral("AutoUpDate"));
    QCOMPARE(program.prompter.shown[0].buttons, MessageButtons::YesNo);
    QCOMPARE(program.prompter.shown[0].icon, MessageIcon::Information);
    QCOMPARE(server.requests, 0);
    QVERIFY(!QFile::exists(program.dir.folder().updateFile()));
    QVERIFY(program.window() && !program.windows().existingProgressWindow());
}

void UpdateWindowTest::networkFailures_data() {
    QTest::addColumn<QString>("path");  // on the hostile server; "" for a refused connection
    QTest::newRow("connection refused") << "";
    // The real time limit, once: the fetch ends after 30 seconds however the bytes trickle.
    QTest::newRow("one byte a second") << "/dribble";
    QTest::newRow("fewer bytes than announced") << "/short";
    QTest::newRow("reset part-way") << "/reset";
    QTest::newRow("redirect loop") << "/loop";
    QTest::newRow("endless body") << "/endless";
}

void UpdateWindowTest::networkFailures() {
    QFETCH(QString, path);
    QTemporaryDir bodies;
    const QString body = bodies.filePath(QStringLiteral("update.txt"));
    QFile bodyFile(body);
    QVERIFY(bodyFile.open(QIODevice::WriteOnly));
    bodyFile.write(update2040());
    bodyFile.close();
    const HostileServer server(body);
    QVERIFY2(server.ok(), "python3 could not start the hostile server");
    const UpdateUrlOverride mirror(path.isEmpty() ? refusedUrl() : server.url(path));
    UpdateOpen program;
    program.dir.write(QStringLiteral("data/update.txt"), "old download");
    program.chooseSource(0);
    QElapsedTimer clock;
    clock.start();
    program.pressGo();
    QVERIFY2(clock.elapsed() < 35000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(program.prompter.texts(),
             (QStringList{"インターネットに接続していますか？",
                          "ネットワークエラーです。接続の確認をしてください。"}));
    QCOMPARE(program.prompter.shown[1].icon, MessageIcon::Warning);
    QVERIFY(program.window() && !program.windows().existingProgressWindow());
    QCOMPARE(program.dir.read(QStringLiteral("data/update.txt")), QByteArray("old download"));
    QVERIFY(program.dataUntouched());
}

void UpdateWindowTest::updateFromTheNetwork() {
    TestHttpServer server;
    server.body = update2040();
    const UpdateUrlOverride mirror(server.url());
    UpdateOpen program;
    // An older, longer download must not leave its tail behind.
    program.dir.write(QStringLiteral("data/update.txt"), server.body + server.body);
    program.chooseSource(0);
    program.pressGo();
    QCOMPARE(program.prompter.texts(), (QStringList{"インターネットに接続していますか？", kConfirm,
                                                    "データが更新されました"}));
    QCOMPARE(program.dir.read(QStringLiteral("data/update.txt")), server.body);
    QVERIFY(program.dir.read(QStringLiteral("data/deme.ini")).startsWith("2040,0\r\n"));
    QVERIFY(!program.window());
    QVERIFY(program.main()->isVisible());
}

QTEST_MAIN(UpdateWindowTest)
#include "tst_updatewindow.moc"
