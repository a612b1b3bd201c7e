// SPDX-License-Identifier: GPL-3.0-or-later

#include "programfolderfixture.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace kuji6::test {

namespace {

QByteArray readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return file.readAll();
}

}  // namespace

ProgramFolderFixture::ProgramFolderFixture() : folder_(dir_.path()) {
    QDir(dir_.path()).mkpath(QStringLiteral("data"));
    for (const QString& name : {QStringLiteral("deme.ini"), QStringLiteral("rensa.ini")}) {
        write(QStringLiteral("data/") + name, shippedData(name));
    }
}

QString ProgramFolderFixture::path(const QString& relative) const {
    return QDir(dir_.path()).filePath(relative);
}

void ProgramFolderFixture::write(const QString& relative, const QByteArray& bytes) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + relative.toStdString());
    }
}

QByteArray ProgramFolderFixture::read(const QString& relative) const {
    return readWhole(path(relative));
}

void ProgramFolderFixture::remove(const QString& relative) const {
    QFile::remove(path(relative));
}

QByteArray fixture(const QString& name) {
    return readWhole(QStringLiteral(KUJI6_SOURCE_DIR "/tests/fixtures/") + name);
}

QByteArray shippedData(const QString& name) {
    return readWhole(QStringLiteral(KUJI6_SOURCE_DIR "/data/") + name);
}

}  // namespace kuji6::test
