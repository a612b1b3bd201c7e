// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/safefile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <optional>
#include <vector>

#include "common/fields.h"
#include "common/systemfile.h"

namespace kuji6 {

namespace {

// A temporary file is named ".NAME.kuji6-XXXXXX" after the file it replaces: hidden, and
// known for the program's own when a crash leaves one behind.
const QRegularExpression kTemporaryName(QStringLiteral("^\\..+\\.kuji6-[A-Za-z0-9]{6}$"));
// The record of a replacement of several files, while the files are renamed.
const QString kRecordName = QStringLiteral(".kuji6-replacing");
// How far symbolic links are followed, as the system itself does.
constexpr int kMaxLinks = 40;
// The old bytes of a file replaced together with others are kept to be put back; a file
// larger than any the program writes is not replaced that way.
constexpr qint64 kLargestKeptFile = 16 * 1024 * 1024;

QByteArray nativeName(const QString& path) {
    return QFile::encodeName(path);
}

[[noreturn]] void unwritable(int error, const QString& shown) {
    throw RuntimeFault::fromSystemError(FaultKind::FileUnwritable, error, shown);
}

// Only a regular file, or nothing yet, is replaced at `path`.
void refuseOtherThanFile(const QString& path, const QString& shown) {
    struct stat status {};
    if (::lstat(nativeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        throw notARegularFile(FaultKind::FileUnwritable, shown);
    }
}

// Where the bytes saved as `path` go: a symbolic link is followed to the file it names, as
// such a link is the user's way to keep that file elsewhere.
QString finalTarget(const QString& path) {
    if (path.isEmpty()) {
        unwritable(ENOENT, path);
    }
    QString target = path;
    for (int links = 0; QFileInfo(target).isSymLink(); ++links) {
        if (links == kMaxLinks) {
            unwritable(ELOOP, path);
        }
        target = QFileInfo(target).symLinkTarget();
    }
    refuseOtherThanFile(target, path);
    return target;
}

bool holdsBytes(const QString& path, const QByteArray& bytes) {
    try {
        return readRegularFile(path, bytes.size()) == bytes;
    } catch (const RuntimeFault&) {
        return false;
    }
}

QString randomSuffix() {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
    }
    return suffix;
}

// The folder of the files being saved, open to sync the names in it, and locked while it
// lives: another copy of the program starting meanwhile must not take the temporary files
// for leftovers of a crash.
class LockedFolder {
  public:
    LockedFolder(const QString& path, const QString& shown)
        : path_(path),
          fd_(::open(nativeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (!fd_.isOpen()) {
            unwritable(errno, shown);
        }
        // A file system without locks (some network ones) is used unlocked.
        while (::flock(fd_.get(), LOCK_EX) != 0 && errno == EINTR) {
        }
    }

    QString filePath(const QString& name) const { return QDir(path_).filePath(name); }
    QString nameOf(const QString& path) const {
        return QDir(path_).relativeFilePath(QFileInfo(path).absoluteFilePath());
    }

    // Makes the renames and removals in the folder last.
    void sync(const QString& shown) const {
        // A file system that cannot sync a folder (EINVAL) has nothing to wait for.
        if (::fsync(fd_.get()) != 0 && errno != EINVAL) {
            unwritable(errno, shown);
        }
    }

  private:
    QString path_;
    FileDescriptor fd_;
};

// Writes `bytes` to `file` to the end, syncs and closes it; the error number of the first step
// that fails, else 0.
int fill(FileDescriptor& file, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file.get(), data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : ENOSPC;
        }
        data += written;
        left -= written;
    }
    if (::fsync(file.get()) != 0) {
        return errno;
    }
    return file.close();
}

// A complete new file beside `target`, with `target`'s permissions. It is removed when it
// goes unless it has taken `target`'s place.
class TempFile {
  public:
    TempFile(const LockedFolder& folder, const QString& target, const QByteArray& bytes,
             const QString& shown) {
        FileDescriptor file = create(folder, QFileInfo(target).fileName(), shown);
        struct stat old {};
        if (::stat(nativeName(target).constData(), &old) == 0) {
            ::fchmod(file.get(), old.st_mode & 07777);  // at worst the file gets the default
        }
        if (const int error = fill(file, bytes)) {
            remove();
            unwritable(error, shown);
        }
    }
    TempFile(TempFile&& other) noexcept : path_(std::exchange(other.path_, {})) {}
    TempFile& operator=(TempFile&&) = delete;
    ~TempFile() { remove(); }

    QString name() const { return QFileInfo(path_).fileName(); }

    // Puts the file in `target`'s place; the error number when the system refuses, else 0.
    int replace(const QString& target) {
        if (::rename(nativeName(path_).constData(), nativeName(target).constData()) != 0) {
            return errno;
        }
        path_.clear();
        return 0;
    }

    // Leaves the file where it is, for the record that names it.
    void keep() { path_.clear(); }

  private:
    FileDescriptor create(const LockedFolder& folder, const QString& name, const QString& shown) {
        for (int attempt = 0;; ++attempt) {
            path_ = folder.filePath(QStringLiteral(".%1.kuji6-%2").arg(name, randomSuffix()));
            const int fd = ::open(nativeName(path_).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            const int error = errno;
            if (fd >= 0) {
                return FileDescriptor(fd);
            }
            if (error != EEXIST || attempt == 100) {
                path_.clear();
                unwritable(error, shown);
            }
        }
    }

    void remove() {
        if (!path_.isEmpty()) {
            ::unlink(nativeName(path_).constData());
            path_.clear();
        }
    }

    QString path_;
};

// One rename of a replacement on record, by names in its folder: `temp` becomes `target`;
// without a temp, `target` is removed.
struct Step {
    QString temp;
    QString target;
};

QByteArray recordBytes(const std::vector<Step>& steps) {
    FieldWriter out;
    out.number(static_cast<qint64>(steps.size())).endLine();
    for (const Step& step : steps) {
        out.text(step.temp).text(step.target).endLine();
    }
    return out.bytes();
}

// A name of a file in the folder or in a folder below it, that leads nowhere else.
bool isNameWithin(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'/')) {
        return false;
    }
    for (const QString& part : name.split(u'/')) {
        if (part.isEmpty() || part == QStringLiteral(".") || part == QStringLiteral("..")) {
            return false;
        }
    }
    return true;
}

std::vector<Step> readRecord(const QString& path) {
    FieldReader in = FieldReader::fromFile(path);
    const int count = in.byte();
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i) {
        Step step;
        step.temp = in.text();
        step.target = in.text();
        if (!isNameWithin(step.target) ||
            (!step.temp.isEmpty() && !kTemporaryName.match(step.temp).hasMatch())) {
            throw RuntimeFault(FaultKind::FileUnreadable, step.target, path);
        }
        steps.push_back(step);
    }
    return steps;
}

// Replaces the record in `folder` (atomically, like any file) by one of `steps`.
void writeRecord(const LockedFolder& folder, const std::vector<Step>& steps, const QString& shown) {
    const QString record = folder.filePath(kRecordName);
    TempFile temp(folder, record, recordBytes(steps), shown);
    if (const int error = temp.replace(record)) {
        unwritable(error, shown);
    }
    folder.sync(shown);
}

void dropRecord(const LockedFolder& folder, const QString& shown) {
    // A record that stays is carried out once more at the next start, which changes nothing.
    ::unlink(nativeName(folder.filePath(kRecordName)).constData());
    folder.sync(shown);
}

// A file that is being replaced together with others.
struct Pending {
    QString path;
    std::optional<QByteArray> old;  // the bytes to put back; none when there was no file
    TempFile temp;
};

std::optional<QByteArray> bytesToPutBack(const QString& path) {
    refuseOtherThanFile(path, path);
    try {
        return readRegularFile(path, kLargestKeptFile);
    } catch (const RuntimeFault& fault) {
        if (fault.kind() == FaultKind::FileNotFound) {
            return std::nullopt;
        }
        // A file whose bytes cannot be kept could not be put back should a later one fail.
        throw RuntimeFault(FaultKind::FileUnwritable, fault.detail(), path, fault.reason());
    }
}

// Makes the renames last in the folder and in each folder below it that one of `targets` went
// to.
void syncFolders(const LockedFolder& folder, const QStringList& targets, const QString& shown) {
    folder.sync(shown);
    QStringList below;
    for (const QString& target : targets) {
        const QString path = QFileInfo(target).absolutePath();
        if (folder.nameOf(path) != QStringLiteral(".") && !below.contains(path)) {
            below << path;
        }
    }
    for (const QString& path : below) {
        const FileDescriptor fd(
            ::open(nativeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!fd.isOpen() || (::fsync(fd.get()) != 0 && errno != EINVAL)) {
            unwritable(errno, shown);
        }
    }
}

QStringList pathsOf(const std::vector<Pending>& pending) {
    QStringList paths;
    for (const Pending& file : pending) {
        paths << file.path;
    }
    return paths;
}

// Gives the first `count` files of `pending`, already replaced, their old bytes again, as one
// replacement on record like the first. Should that fail as well, every temporary file is
// kept: whichever record is then in the folder is carried out at the next start.
void putBack(const LockedFolder& folder, std::vector<Pending>& pending, std::size_t count) {
    const QString& shown = pending[count].path;
    std::vector<std::optional<TempFile>> undo;
    try {
        std::vector<Step> steps;
        for (std::size_t i = 0; i < count; ++i) {
            const Pending& file = pending[i];
            if (file.old) {
                undo.emplace_back(std::in_place, folder, file.path, *file.old, shown);
            } else {
                undo.emplace_back();
            }
            steps.push_back(
                {undo.back() ? undo.back()->name() : QString(), folder.nameOf(file.path)});
        }
        writeRecord(folder, steps, shown);
        for (std::size_t i = 0; i < count; ++i) {
            const QString& path = pending[i].path;
            if (undo[i]) {
                if (const int error = undo[i]->replace(path)) {
                    unwritable(error, path);
                }
            } else if (::unlink(nativeName(path).constData()) != 0 && errno != ENOENT) {
                unwritable(errno, path);
            }
        }
        syncFolders(folder, pathsOf(pending), shown);
        dropRecord(folder, shown);
    } catch (const RuntimeFault&) {
        for (Pending& file : pending) {
            file.temp.keep();
        }
        for (std::optional<TempFile>& file : undo) {
            if (file) {
                file->keep();
            }
        }
    }
}

// Carries out one step of a record found at start-up; the error number when the system
// refuses, else 0.
int carryOut(const LockedFolder& folder, const Step& step) {
    const QByteArray target = nativeName(folder.filePath(step.target));
    if (step.temp.isEmpty()) {
        return ::unlink(target.constData()) == 0 || errno == ENOENT ? 0 : errno;
    }
    const QByteArray temp = nativeName(folder.filePath(step.temp));
    struct stat status {};
    if (::lstat(temp.constData(), &status) != 0) {
        return 0;  // renamed before the crash
    }
    return ::rename(temp.constData(), target.constData()) == 0 ? 0 : errno;
}

// Carries out a replacement still on record in `folder`; false when the record has to stay.
bool finishRecordedReplacement(const LockedFolder& folder) {
    const QString record = folder.filePath(kRecordName);
    if (!QFileInfo::exists(record)) {
        return true;
    }
    std::vector<Step> steps;
    try {
        steps = readRecord(record);
    } catch (const RuntimeFault&) {
        // Not the program's record (it is never written part-way): nothing in it is done.
    }
    QStringList targets;
    for (const Step& step : steps) {
        if (carryOut(folder, step) != 0) {
            return false;
        }
        targets << folder.filePath(step.target);
    }
    syncFolders(folder, targets, record);
    dropRecord(folder, record);
    return true;
}

void removeLeftovers(const QString& path) {
    const QDir folder(path);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (kTemporaryName.match(name).hasMatch()) {
            ::unlink(nativeName(folder.filePath(name)).constData());
        }
    }
}

}  // namespace

void saveBytes(const QByteArray& bytes, const QString& path) {
    const QString target = finalTarget(path);
    // A file that already holds these bytes is left as it is: writing it again would cost a
    // sync to disk for nothing, and data/rens.ini is written at every start and many runs.
    if (holdsBytes(target, bytes)) {
        return;
    }
    const LockedFolder folder(QFileInfo(target).absolutePath(), path);
    TempFile temp(folder, target, bytes, path);
    if (const int error = temp.replace(target)) {
        unwritable(error, path);
    }
    folder.sync(path);
}

void saveFilesTogether(const QList<std::pair<QString, QByteArray>>& files) {
    if (files.isEmpty()) {
        return;
    }
    const QString& first = files.front().first;
    const LockedFolder folder(QFileInfo(first).absolutePath(), first);
    std::vector<Pending> pending;
    std::vector<Step> steps;
    for (const auto& [path, bytes] : files) {
        Q_ASSERT(isNameWithin(folder.nameOf(path)));
        std::optional<QByteArray> old = bytesToPutBack(path);
        pending.push_back({path, std::move(old), TempFile(folder, path, bytes, path)});
        steps.push_back({pending.back().temp.name(), folder.nameOf(path)});
    }
    writeRecord(folder, steps, first);
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (const int error = pending[i].temp.replace(pending[i].path)) {
            putBack(folder, pending, i);
            unwritable(error, pending[i].path);
        }
    }
    syncFolders(folder, pathsOf(pending), first);
    dropRecord(folder, first);
}

void recoverFolder(const QString& path) {
    if (!QFileInfo(path).isDir()) {
        return;
    }
    try {
        const LockedFolder folder(path, path);
        if (finishRecordedReplacement(folder)) {
            removeLeftovers(path);
        }
    } catch (const RuntimeFault&) {
        // Tried again at the next start; the program goes on with the files as they are.
    }
}

}  // namespace kuji6
