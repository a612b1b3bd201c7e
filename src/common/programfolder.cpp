#include "common/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace kuji6 {

namespace {

// Whether a file can be created in `folder`: permissions alone do not tell, for root or on
// a read-only mount.
bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kuji6-probe-XXXXXX")));
    return probe.open();
}

void copyMissingFiles(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (!QFileInfo::exists(target)) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(source, target);
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
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
QString ProgramFolder::optionsFile() const {
    return QDir(path_).filePath(QStringLiteral("option.ini"));
}

ProgramFolder locateProgramFolder(const QString& executableFolder, const QString& defaultData,
                                  const QString& userFolder) {
    const ProgramFolder own(executableFolder);
    if (QFileInfo(own.dataFolder()).isDir() && canWriteIn(own.path()) &&
        canWriteIn(own.dataFolder())) {
        return own;
    }
    const ProgramFolder user(userFolder);
    QDir().mkpath(user.dataFolder());
    copyMissingFiles(defaultData, user.dataFolder());
    return user;
}

}  // namespace kuji6
