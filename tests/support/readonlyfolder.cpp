// SPDX-License-Identifier: GPL-3.0-or-later

#include "readonlyfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace kuji6::test {

namespace {

bool runChattr(const QString& flag, const QString& path) {
    return QProcess::execute(QStringLiteral("chattr"), {flag, path}) == 0;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(QString path) : path_(std::move(path)) {
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!refusesNewFiles()) {
        immutable_ = runChattr(QStringLiteral("+i"), path_);
    }
    ok_ = refusesNewFiles();
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (immutable_) {
        runChattr(QStringLiteral("-i"), path_);
    }
    QFile::setPermissions(path_,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool ReadOnlyFolder::refusesNewFiles() const {
    QFile probe(QDir(path_).filePath(QStringLiteral(".write-probe")));
    if (!probe.open(QIODevice::WriteOnly)) {
        return true;
    }
    probe.close();
    probe.remove();
    return false;
}

}  // namespace kuji6::test
