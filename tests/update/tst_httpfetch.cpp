#include <QtTest>

#include "common/fault.h"
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
    QTest::addColumn<QString>("situation");
    QTest::newRow("connection refused") << "refused";
    QTest::newRow("server never answers") << "hang";
    QTest::newRow("body above the cap") << "large";
}

void HttpFetchTest::failures() {
    QFETCH(QString, situation);
    TestHttpServer server;
    server.hang = situation == QStringLiteral("hang");
    server.body = QByteArray(2000, 'x');
    const QUrl url = situation == QStringLiteral("refused") ? refusedUrl() : server.url();
    try {
        fetchUrl(url, FetchLimits{500ms, 1000});
        QFAIL("the fetch succeeded");
    } catch (const RuntimeFault& fault) {
        QCOMPARE(fault.kind(), FaultKind::NetworkFailure);
    }
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
