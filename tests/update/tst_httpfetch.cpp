// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "common/fault.h"
#include "hostileserver.h"
#include "testhttpserver.h"
#include "update/httpfetch.h"

using namespace kuji6;
using namespace kuji6::test;
using namespace std::chrono_literals;

class HttpFetchTest : public QObject {
    Q_OBJECT
  private slots:
    void returnsTheBodyAsItCame();
    void errorPagesAreData();
    void failures_data();
    void failures();
    void mirrorUrlFromTheEnvironment();
};

void HttpFetchTest::returnsTheBodyAsItCame() {
    TestHttpServer server;
    static const char raw[] = "\"pomrinupdate\",1,\"\x82\xa0\"\r\n\0\xff";
    server.body = QByteArray(raw, sizeof raw - 1);  // with the zero byte
    QCOMPARE(fetchUrl(server.url()), server.body);
    QCOMPARE(server.requests, 1);
}

void HttpFetchTest::errorPagesAreData() {
    TestHttpServer server;
    server.status = 404;
    server.body = "<html>Not Found</html>";
    QCOMPARE(fetchUrl(server.url()), server.body);
}

void HttpFetchTest::failures_data() {
    QTest::addColumn<QString>("path");  // on the hostile server; "" for a refused connection
    QTest::newRow("connection refused") << "";
    QTest::newRow("no answer") << "/unanswered";
    QTest::newRow("headers, then silence") << "/silence";
    QTest::newRow("one byte a second") << "/dribble";
    QTest::newRow("fewer bytes than announced") << "/short";
    QTest::newRow("an error page cut short") << "/short-404";
    QTest::newRow("reset part-way") << "/reset";
    QTest::newRow("body above the cap") << "/update.txt";
    QTest::newRow("endless body") << "/endless";
    QTest::newRow("redirect loop") << "/loop";
    QTest::newRow("redirect to no answer") << "/to-unanswered";
    QTest::newRow("redirect to ftp") << "/to-ftp";
    QTest::newRow("redirect to a local file") << "/to-file";
    QTest::newRow("redirect to a silent https server") << "/to-https-silent";
}

void HttpFetchTest::failures() {
    QFETCH(QString, path);
    const HostileServer server;
    QVERIFY2(server.ok(), "python3 could not start the hostile server");
    const QUrl url = path.isEmpty() ? refusedUrl() : server.url(path);
    QElapsedTimer clock;
    clock.start();
    try {
        fetchUrl(url, FetchLimits{2s, 1000});
        QFAIL("the fetch succeeded");
    } catch (const RuntimeFault& fault) {
        QCOMPARE(fault.kind(), FaultKind::NetworkFailure);
    }
    // The time limit holds for the whole fetch, whatever the server does.
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
}

void HttpFetchTest::mirrorUrlFromTheEnvironment() {
    qunsetenv("KUJI6_UPDATE_URL");
    QVERIFY(updateUrl().path().endsWith(QStringLiteral("download/update.txt")));
    QCOMPARE(updateUrl().scheme(), QStringLiteral("http"));
    const QUrl mirror(QStringLiteral("http://mirror.example.net/kuji6/download/update.txt"));
    const UpdateUrlOverride useMirror(mirror);
    QCOMPARE(updateUrl(), mirror);
}

QTEST_GUILESS_MAIN(HttpFetchTest)
#include "tst_httpfetch.moc"
