// SPDX-License-Identifier: GPL-3.0-or-later

#include "testhttpserver.h"

#include <QTcpSocket>

namespace kuji6::test {

TestHttpServer::TestHttpServer() {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

QUrl TestHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void TestHttpServer::answer(QTcpSocket* socket) {
    if (!socket->peek(64 * 1024).contains("\r\n\r\n")) {
        return;  // the request is not complete yet
    }
    socket->readAll();
    ++requests;
    socket->write("HTTP/1.1 " + QByteArray::number(status) + " Answer\r\n");
    socket->write("Content-Type: text/plain\r\nConnection: close\r\n");
    socket->write("Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n");
    socket->write(body);
    socket->disconnectFromHost();
}

QUrl refusedUrl() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/download/update.txt").arg(port));
}

}  // namespace kuji6::test
