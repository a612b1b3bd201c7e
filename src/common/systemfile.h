// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include "common/fault.h"

namespace kuji6 {

// An open file of the operating system, closed when it goes.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor() { close(); }

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Closes the file; the error number when the system reports a failure (a write that
    // could not be completed shows here on some file systems), else 0.
    int close();

  private:
    int fd_ = -1;
};

// A folder, FIFO, device or socket where a regular file is needed.
RuntimeFault notARegularFile(FaultKind kind, const QString& path);

// Opens the file at `path` for reading when it is a regular file. A FIFO, a device, a
// folder or a socket is refused before it can block or feed endless data, and so is a
// symbolic link that leads nowhere but to itself. A missing file is FileNotFound when its
// folder exists; everything else is FileUnreadable with the reason.
FileDescriptor openRegularFile(const QString& path);

// Reads up to `maxBytes` from `file`: fewer only at its end. A read error is FileUnreadable.
QByteArray readSome(const FileDescriptor& file, qint64 maxBytes, const QString& path);

// The whole regular file at `path` (see openRegularFile); a file of more than `maxBytes`
// is refused as FileUnreadable before it is read.
QByteArray readRegularFile(const QString& path, qint64 maxBytes);

}  // namespace kuji6
