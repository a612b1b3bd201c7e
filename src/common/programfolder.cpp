// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryFile>

#include "common/safefile.h"
#include "common/systemfile.h"

namespace kuji6 {

namespace {

// Whether a file can be created in `folder`: permissions alone do not tell, for root or on
// a read-only mount.
bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kuji6-probe-XXXXXX")));
    return probe.open();
}

// The largest file the default data folder holds is its draw history.
constexpr qint64 kLargestDefaultFile = 16 * 1024 * 1024;

// A file that cannot be copied is left out: the program then says which one it misses.
void copyMissingFiles(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (!QFileInfo::exists(target)) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            try {
                saveBytes(readRegularFile(source, kLargestDefaultFile), target);
            } catch (const RuntimeFault&) {
            }
        }
    }
}

}  // namespace

ProgramFolder::ProgramFolder(QString path) : path_(std::move(path)) {}

QString ProgramFolder::dataFolder() const {
    return QDir(path_).filePath(QStringLiteral("data"));
}
QString ProgramFolder::demeFile() const {
    return QDir(dataFolder()).filePath(QStringLiteral("deme.ini"));
}
QString ProgramFolder::rensaFile() const {
    return QDir(dataFolder()).filePath(QStringLiteral("rensa.ini"));
}
QString ProgramFolder::rensFile() const {
    return QDir(dataFolder()).filePath(QStringLiteral("rens.ini"));
}
QString ProgramFolder::updateFile() const {
    return QDir(dataFolder()).filePath(QStringLiteral("update.txt"));
}
QString ProgramFolder::historyFile() const {
    return QDir(dataFolder()).filePath(QStringLiteral("history/draws-6of43.csv"));
}
QString ProgramFolder::optionsFile() const {
    return QDir(path_).filePath(QStringLiteral("option.ini"));
}

ProgramFolder locateProgramFolder(const QString& executableFolder, const QString& defaultData,
                                  const QString& userFolder) {
    const ProgramFolder own(executableFolder);
    const bool ownData = QFileInfo(own.dataFolder()).isDir();
    if (ownData && canWriteIn(own.path()) && canWriteIn(own.dataFolder())) {
        return own;
    }
    // A copy that brings its own data but cannot be written to (a read-only medium, a folder
    // of another user) starts from its own data, not from an installed one it does not have.
    const ProgramFolder user(userFolder);
    QDir().mkpath(user.dataFolder());
    copyMissingFiles(ownData ? own.dataFolder() : defaultData, user.dataFolder());
    return user;
}

void recoverInterruptedSaves(const ProgramFolder& folder) {
    recoverFolder(folder.dataFolder());
    recoverFolder(folder.path());
}

}  // namespace kuji6
