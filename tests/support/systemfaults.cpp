// SPDX-License-Identifier: GPL-3.0-or-later

#include "systemfaults.h"

#include <dlfcn.h>
#include <sys/mount.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtDebug>
#include <stdexcept>

namespace kuji6::test {

namespace {

const char* const kVariables[] = {"KUJI6_FAULT_DIR", "KUJI6_FAULT_WRITE", "KUJI6_FAULT_FSYNC",
                                  "KUJI6_FAULT_RENAME"};

QList<std::pair<QString, QByteArray>> contentsOf(const QString& folder) {
    QList<std::pair<QString, QByteArray>> files;
    for (const QString& name : filesUnder(folder)) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            throw std::runtime_error("cannot read " + name.toStdString());
        }
        files.append({name, file.readAll()});
    }
    return files;
}

}  // namespace

SystemFaults::SystemFaults(const QString& folder) {
    // As the shim sees the files: by the names the system gives them.
    qputenv("KUJI6_FAULT_DIR", QFile::encodeName(QFileInfo(folder).canonicalFilePath()));
}

SystemFaults::~SystemFaults() {
    for (const char* name : kVariables) {
        qunsetenv(name);
    }
}

void SystemFaults::failWrites(qint64 bytes, const char* error) {
    qputenv("KUJI6_FAULT_WRITE", QByteArray::number(bytes) + ':' + error);
}

void SystemFaults::failSync(const char* error) {
    qputenv("KUJI6_FAULT_FSYNC", error);
}

void SystemFaults::failRename(int nth, const char* what) {
    qputenv("KUJI6_FAULT_RENAME", QByteArray::number(nth) + ':' + what);
}

bool SystemFaults::shimLoaded() {
    return dlsym(RTLD_DEFAULT, "kuji6_fault_shim") != nullptr;
}

QProcessEnvironment SystemFaults::preloaded() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KUJI6_FAULT_SHIM));
    // The sanitizers' runtime wants to be loaded first; the shim only passes calls on.
    const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       asan + QStringLiteral(":verify_asan_link_order=0"));
    return environment;
}

FullDisk::FullDisk(const QString& folder) : folder_(QFileInfo(folder).canonicalFilePath()) {
    const auto files = contentsOf(folder_);
    const QByteArray target = QFile::encodeName(folder_);
    mounted_ = ::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                       "size=256k,mode=0755") == 0;
    if (!mounted_) {
        qInfo("mounting a tmpfs was refused: the fault shim makes the disk full instead");
        shim_.emplace(folder_);
        shim_->failWrites(0, "ENOSPC");
        return;
    }
    for (const auto& [name, bytes] : files) {
        const QString path = QDir(folder_).filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            throw std::runtime_error("the tmpfs is too small for " + name.toStdString());
        }
    }
    fill();
}

FullDisk::~FullDisk() {
    if (mounted_) {
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
}

// Writes until the file system has no page left.
void FullDisk::fill() const {
    QFile filler(QDir(folder_).filePath(QStringLiteral(".filler")));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
}

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(folder).relativeFilePath(it.next());
    }
    files.removeAll(QStringLiteral(".filler"));
    files.sort();
    return files;
}

}  // namespace kuji6::test
