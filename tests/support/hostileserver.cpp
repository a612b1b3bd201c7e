// SPDX-License-Identifier: GPL-3.0-or-later

#include "hostileserver.h"

namespace kuji6::test {

HostileServer::HostileServer(const QString& bodyFile) {
    QStringList arguments{QStringLiteral(KUJI6_HOSTILE_SERVER)};
    if (!bodyFile.isEmpty()) {
        arguments << bodyFile;
    }
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral("python3"), arguments);
    if (process_.waitForReadyRead(10000)) {
        port_ = process_.readLine().trimmed().toInt();
    }
}

HostileServer::~HostileServer() {
    process_.closeWriteChannel();  // the server ends when its input closes
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished();
    }
}

QUrl HostileServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path));
}

}  // namespace kuji6::test
