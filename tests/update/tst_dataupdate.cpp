// SPDX-License-Identifier: GPL-3.0-or-later

// The data update without a window: what the user is asked and told, in which order, what
// the progress shows, and which files change.

#include <QtTest>

#include "datafiles/drawdata.h"
#include "fakes.h"
#include "hostileserver.h"
#include "programfolderfixture.h"
#include "testhttpserver.h"
#include "update/dataupdate.h"

using namespace kuji6;
using namespace kuji6::test;
using namespace std::chrono_literals;

namespace {

const QString kConfirm = QStringLiteral(
    "2040回までのデータを更新します。以前のデータは上書きされますが、よろしいですか？");
const QString kCorrupt = QStringLiteral(
    "このファイルはkuji6ぽむりんUpdateファイルではないか、又はデータが壊れています。");
const QString kDone = QStringLiteral("データが更新されました");
const QString kConnected = QStringLiteral("インターネットに接続していますか？");
const QString kNetworkError = QStringLiteral("ネットワークエラーです。接続の確認をしてください。");

QByteArray update2040() {
    return shippedData(QStringLiteral("history/update.txt"))
        .replace("\"pomrinupdate\",2037,", "\"pomrinupdate\",2040,");
}

struct Updating {
    Updating() : oldDeme(dir.read(QStringLiteral("data/deme.ini"))) {}

    bool run(UpdateSource source, const QString& path = {}) {
        DataUpdateContext update{prompter, progress, dir.folder(), data, url};
        update.showDownloadedFile = [this](const QString& file) { shown << file; };
        update.fetch = [](const QUrl& from) { return fetchUrl(from, FetchLimits{2s, 1 << 20}); };
        return runDataUpdate(update, source, path);
    }
    bool dataUntouched() const { return dir.read(QStringLiteral("data/deme.ini")) == oldDeme; }

    ProgramFolderFixture dir;
    FakePrompter prompter;
    FakeProgress progress;
    DrawData data;
    QUrl url;
    QStringList shown;
    QByteArray oldDeme;
};

}  // namespace

class DataUpdateTest : public QObject {
    Q_OBJECT
  private slots:
    void fromAFile();
    void fileFailures_data();
    void fileFailures();
    void fromTheNetwork();
    void networkFailures_data();
    void networkFailures();
};

void DataUpdateTest::fromAFile() {
    Updating update;
    update.dir.write(QStringLiteral("u.txt"), update2040());
    QVERIFY(update.run(UpdateSource::File, update.dir.path(QStringLiteral("u.txt"))));
    QCOMPARE(update.prompter.texts(), (QStringList{kConfirm, kDone}));
    QCOMPARE(update.progress.captions,
             (QStringList{"データ取得中 (refreshed)", "出目データの読み込み中・・・・ (refreshed)",
                          "連鎖データの読み込み中・・・・ (refreshed)",
                          "出目ファイルの書き込み中・・・・ (refreshed)",
                          "連鎖ファイルの書き込み中・・・・ (refreshed)", "終了しました"}));
    QVERIFY(update.dir.read(QStringLiteral("data/deme.ini")).startsWith("2040,0\r\n"));
    QCOMPARE(update.data.updateKai, qint16{2040});
    QVERIFY(update.shown.isEmpty());
}

void DataUpdateTest::fileFailures_data() {
    QTest::addColumn<QByteArray>("bytes");  // of u.txt; none: no file
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("over");
    QTest::newRow("declined at the question")
        << update2040() << MessageAnswer::Cancel << QStringList{kConfirm} << true;
    QTest::newRow("wrong magic word")
        << QByteArray(update2040()).replace("pomrinupdate", "Pomrinupdate") << MessageAnswer::Ok
        << QStringList{kCorrupt} << false;
    QTest::newRow("missing file") << QByteArray() << MessageAnswer::Ok
                                  << QStringList{"ファイルが見つかりません。"} << false;
    QTest::newRow("cut short") << update2040().left(3000) << MessageAnswer::Ok
                               << QStringList{kConfirm, kCorrupt} << false;
}

void DataUpdateTest::fileFailures() {
    QFETCH(QByteArray, bytes);
    QFETCH(MessageAnswer, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, over);
    Updating update;
    if (!bytes.isEmpty()) {
        update.dir.write(QStringLiteral("u.txt"), bytes);
    }
    update.prompter.answers = {answer};
    QCOMPARE(update.run(UpdateSource::File, update.dir.path(QStringLiteral("u.txt"))), over);
    QCOMPARE(update.prompter.texts(), messages);
    QVERIFY(update.dataUntouched());
    QCOMPARE(update.data.updateKai, qint16{0});
}

void DataUpdateTest::fromTheNetwork() {
    TestHttpServer server;
    server.body = update2040();
    Updating update;
    update.url = server.url();
    update.dir.write(QStringLiteral("data/update.txt"), server.body + server.body);
    QVERIFY(update.run(UpdateSource::Network));
    QCOMPARE(update.prompter.texts(), (QStringList{kConnected, kConfirm, kDone}));
    QCOMPARE(update.prompter.shown[0].buttons, MessageButtons::YesNo);
    QCOMPARE(update.progress.captions.first(), QStringLiteral("通信中・・・・・"));
    QCOMPARE(update.dir.read(QStringLiteral("data/update.txt")), server.body);
    QCOMPARE(update.shown, QStringList{QDir::toNativeSeparators(update.dir.folder().updateFile())});
    QVERIFY(!update.dataUntouched());
}

void DataUpdateTest::networkFailures_data() {
    QTest::addColumn<QString>("path");  // on the hostile server; "" for a refused connection
    QTest::addColumn<MessageAnswer>("connected");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("not connected") << "/short" << MessageAnswer::No << QStringList{kConnected};
    QTest::newRow("connection refused")
        << "" << MessageAnswer::Yes << QStringList{kConnected, kNetworkError};
    QTest::newRow("fewer bytes than announced")
        << "/short" << MessageAnswer::Yes << QStringList{kConnected, kNetworkError};
    QTest::newRow("reset part-way")
        << "/reset" << MessageAnswer::Yes << QStringList{kConnected, kNetworkError};
}

void DataUpdateTest::networkFailures() {
    QFETCH(QString, path);
    QFETCH(MessageAnswer, connected);
    QFETCH(QStringList, messages);
    const HostileServer server;
    QVERIFY2(server.ok(), "python3 could not start the hostile server");
    Updating update;
    update.url = path.isEmpty() ? refusedUrl() : server.url(path);
    update.dir.write(QStringLiteral("data/update.txt"), "old download");
    update.prompter.answers = {connected};
    QVERIFY(!update.run(UpdateSource::Network));
    QCOMPARE(update.prompter.texts(), messages);
    QCOMPARE(update.dir.read(QStringLiteral("data/update.txt")), QByteArray("old download"));
    QVERIFY(update.dataUntouched());
    QVERIFY(update.shown.isEmpty());
}

QTEST_GUILESS_MAIN(DataUpdateTest)
#include "tst_dataupdate.moc"
