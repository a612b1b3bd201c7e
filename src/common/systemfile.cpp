// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/systemfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace kuji6 {

namespace {

RuntimeFault tooLarge(const QString& path, qint64 maxBytes) {
    return RuntimeFault(FaultKind::FileUnreadable,
                        QStringLiteral("larger than %1 bytes").arg(maxBytes), path,
                        QStringLiteral("ファイルが大きすぎます"));
}

}  // namespace

RuntimeFault notARegularFile(FaultKind kind, const QString& path) {
    return RuntimeFault(kind, QStringLiteral("not a regular file"), path,
                        QStringLiteral("通常のファイルではありません"));
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

int FileDescriptor::close() {
    if (fd_ < 0) {
        return 0;
    }
    // The descriptor is gone even when close reports an error: it must not be retried.
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
}

FileDescriptor openRegularFile(const QString& path) {
    if (path.isEmpty()) {
        throw RuntimeFault(FaultKind::FileUnreadable, QStringLiteral("no file name"), path);
    }
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a FIFO waits for a writer, and opening a device
    // may do something.
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        const int error = errno;
        // Only a missing file in an existing folder is "not found"; a missing folder cannot
        // be opened at all.
        if (error == ENOENT && QFileInfo(path).dir().exists()) {
            throw RuntimeFault(FaultKind::FileNotFound,
                               QString::fromLocal8Bit(std::strerror(error)), path);
        }
        throw RuntimeFault::fromSystemError(FaultKind::FileUnreadable, error, path);
    }
    if (!S_ISREG(status.st_mode)) {
        throw notARegularFile(FaultKind::FileUnreadable, path);
    }
    FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen()) {
        throw RuntimeFault::fromSystemError(FaultKind::FileUnreadable, errno, path);
    }
    // Checked again on what was opened, should the name have been replaced meanwhile.
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw notARegularFile(FaultKind::FileUnreadable, path);
    }
    return file;
}

QByteArray readSome(const FileDescriptor& file, qint64 maxBytes, const QString& path) {
    QByteArray bytes(static_cast<qsizetype>(maxBytes), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got =
            ::read(file.get(), bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw RuntimeFault::fromSystemError(FaultKind::FileUnreadable, errno, path);
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

QByteArray readRegularFile(const QString& path, qint64 maxBytes) {
    const FileDescriptor file = openRegularFile(path);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        throw RuntimeFault::fromSystemError(FaultKind::FileUnreadable, errno, path);
    }
    if (status.st_size > maxBytes) {
        throw tooLarge(path, maxBytes);
    }
    // One byte more than the size tells a file that grew since.
    const QByteArray bytes = readSome(file, status.st_size + 1, path);
    if (bytes.size() > maxBytes) {
        throw tooLarge(path, maxBytes);
    }
    return bytes;
}

}  // namespace kuji6
