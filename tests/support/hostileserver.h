// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QUrl>

namespace kuji6::test {

// The hostile HTTP server of hostilehttp.py in a process of its own on 127.0.0.1, for as long
// as this lives. Its paths misbehave in the ways that script lists.
class HostileServer {
  public:
    // `bodyFile`: what its paths send as the body (2000 bytes of "x" when empty).
    explicit HostileServer(const QString& bodyFile = {});
    ~HostileServer();
    HostileServer(const HostileServer&) = delete;
    HostileServer& operator=(const HostileServer&) = delete;

    // False when python3 could not start it.
    bool ok() const { return port_ != 0; }
    QUrl url(const QString& path) const;

  private:
    QProcess process_;
    int port_ = 0;
};

}  // namespace kuji6::test
