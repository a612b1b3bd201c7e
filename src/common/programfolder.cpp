#include "common/programfolder.h"

#include <QDir>

namespace kuji6 {

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

}  // namespace kuji6
