// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <optional>
#include <utility>

namespace kuji6::test {

// Failures the preloaded shim (faultshim.cpp) makes the system calls give for files under
// `folder` while this lives. The test program itself must run with the shim preloaded (the
// CTest definitions do that); a child process gets it through preloaded().
class SystemFaults {
  public:
    explicit SystemFaults(const QString& folder);
    ~SystemFaults();
    SystemFaults(const SystemFaults&) = delete;
    SystemFaults& operator=(const SystemFaults&) = delete;

    // After `bytes` more bytes, every write fails with `error` ("ENOSPC", "EIO", ...).
    void failWrites(qint64 bytes, const char* error);
    // Every fsync fails with `error`.
    void failSync(const char* error);
    // The `nth` rename into the folder fails with `what`: an error name, or "KILL" (the
    // process is killed just before it) or "KILL-AFTER" (just after it).
    void failRename(int nth, const char* what);

    // Whether the shim is loaded into this program.
    static bool shimLoaded();
    // The environment of a child process that runs with the shim (and these faults).
    static QProcessEnvironment preloaded();
};

// A full file system at `folder`, holding the files the folder held: a small tmpfs mounted
// over it and filled to the last page, as a real full disk. Where mounting is refused (not
// root, a container without the right), the shim makes every write under the folder fail with
// ENOSPC instead, which needs the shim preloaded.
class FullDisk {
  public:
    explicit FullDisk(const QString& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }

  private:
    void fill() const;

    QString folder_;
    bool mounted_ = false;
    std::optional<SystemFaults> shim_;
};

// The names of the files under `folder`, hidden ones included, sorted, with their sub-folders
// ("data/deme.ini"); a full disk's filler is left out.
QStringList filesUnder(const QString& folder);

}  // namespace kuji6::test
