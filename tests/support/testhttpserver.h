// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>

namespace kuji6::test {

// An HTTP server on 127.0.0.1 in the test's own thread: it answers every request with the
// configured status and body.
class TestHttpServer : public QObject {
    Q_OBJECT
  public:
    TestHttpServer();

    QUrl url(const QString& path = QStringLiteral("/download/update.txt")) const;

    QByteArray body;
    int status = 200;
    int requests = 0;

  private:
    void answer(QTcpSocket* socket);

    QTcpServer server_;
};

// A URL on 127.0.0.1 where nothing listens.
QUrl refusedUrl();

// Sends the update download to `url` (KUJI6_UPDATE_URL) for as long as it lives, so that a
// failed check cannot leave the mirror set for the tests after it.
class UpdateUrlOverride {
  public:
    explicit UpdateUrlOverride(const QUrl& url) { qputenv(kVariable, url.toEncoded()); }
    ~UpdateUrlOverride() { qunsetenv(kVariable); }
    UpdateUrlOverride(const UpdateUrlOverride&) = delete;
    UpdateUrlOverride& operator=(const UpdateUrlOverride&) = delete;

  private:
    static constexpr const char* kVariable = "KUJI6_UPDATE_URL";
};

}  // namespace kuji6::test
