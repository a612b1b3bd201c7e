#include "common/fields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>
#include <optional>
#include <vector>

namespace kuji6 {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool endsField(char c) {
    return c == ',' || isLineEnd(c);
}

QByteArrayView trimmedBlanks(QByteArrayView field) {
    while (!field.isEmpty() && isBlank(field.back())) {
        field.chop(1);
    }
    return field;
}

// Parses [sign] digits; false for anything else. An empty field is 0.
bool parseInteger(QByteArrayView field, qint64& value) {
    value = 0;
    qsizetype i = 0;
    const bool negative = !field.isEmpty() && field[0] == '-';
    if (!field.isEmpty() && (field[0] == '-' || field[0] == '+')) {
        i = 1;
        if (field.size() == 1) {
            return false;
        }
    }
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9') {
            return false;
        }
        // Saturate far beyond any target type; the caller's range check reports it.
        if (value < 1'000'000'000'000) {
            value = value * 10 + (c - '0');
        }
    }
    value = negative ? -value : value;
    return true;
}

BeforeReplaceHook& beforeReplaceHook() {
    static BeforeReplaceHook hook;
    return hook;
}

void beforeReplace(const QString& path) {
    if (beforeReplaceHook()) {
        beforeReplaceHook()(path);
    }
}

// Gives files back their old bytes, or removes them where there were none.
void putBack(const std::vector<std::pair<QString, std::optional<QByteArray>>>& replaced) {
    for (const auto& [path, oldBytes] : replaced) {
        if (oldBytes) {
            saveBytes(*oldBytes, path);
        } else {
            QFile::remove(path);
        }
    }
}

}  // namespace

void setBeforeReplaceHook(BeforeReplaceHook hook) {
    beforeReplaceHook() = std::move(hook);
}

FieldReader::FieldReader(QByteArray bytes, NonNumeric nonNumeric)
    : bytes_(std::move(bytes)), nonNumeric_(nonNumeric), decoder_("CP932") {}

FieldReader FieldReader::fromFile(const QString& path, NonNumeric nonNumeric) {
    QFile file(path);
    if (!file.exists()) {
        // Only a missing file in an existing folder is "not found"; a missing folder or an
        // empty name cannot be opened at all.
        const bool folderExists = !path.isEmpty() && QFileInfo(path).dir().exists();
        throw RuntimeFault(folderExists ? FaultKind::FileNotFound : FaultKind::FileUnreadable, {},
                           path);
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw RuntimeFault(FaultKind::FileUnreadable, file.errorString(), path);
    }
    FieldReader reader(file.readAll(), nonNumeric);
    reader.source_ = path;
    return reader;
}

QString FieldReader::text() {
    const QByteArrayView field = nextField();
    decoder_.resetState();
    return decoder_.decode(field);
}

quint8 FieldReader::byte() {
    return static_cast<quint8>(integer(0, 255));
}
qint16 FieldReader::int16() {
    return static_cast<qint16>(integer(-32768, 32767));
}
qint32 FieldReader::int32() {
    return static_cast<qint32>(integer(-2147483647LL - 1, 2147483647LL));
}

qint64 FieldReader::integer(qint64 min, qint64 max) {
    const QByteArrayView field = nextField();
    qint64 value = 0;
    if (!parseInteger(field, value)) {
        if (nonNumeric_ == NonNumeric::Fault) {
            fail(FaultKind::TypeMismatch, field);
        }
        return 0;
    }
    if (value < min || value > max) {
        fail(FaultKind::Overflow, field);
    }
    return value;
}

void FieldReader::fail(FaultKind kind, QByteArrayView field) const {
    throw RuntimeFault(kind, QString::fromLatin1(field), source_);
}

// Fields are views into the file's bytes: reading one copies nothing.
QByteArrayView FieldReader::nextField() {
    if (atEnd()) {
        fail(FaultKind::PastEndOfFile, {});
    }
    skipBlanks();
    if (!atEnd() && at(pos_) == '"') {
        return quotedField();
    }
    return plainField();
}

void FieldReader::skipBlanks() {
    while (!atEnd() && isBlank(at(pos_))) {
        ++pos_;
    }
}

void FieldReader::skipSeparator() {
    if (atEnd()) {
        return;
    }
    const char c = at(pos_++);
    if (c == '\r' && !atEnd() && at(pos_) == '\n') {
        ++pos_;
    }
}

QByteArrayView FieldReader::quotedField() {
    const qsizetype start = pos_ + 1;
    qsizetype close = bytes_.indexOf('"', start);
    if (close < 0) {
        close = bytes_.size();
    }
    const QByteArrayView field = QByteArrayView(bytes_).sliced(start, close - start);
    pos_ = close < bytes_.size() ? close + 1 : close;
    while (!atEnd() && !endsField(at(pos_))) {
        ++pos_;
    }
    skipSeparator();
    return field;
}

QByteArrayView FieldReader::plainField() {
    const qsizetype start = pos_;
    while (!atEnd() && !endsField(at(pos_))) {
        ++pos_;
    }
    const QByteArrayView field = trimmedBlanks(QByteArrayView(bytes_).sliced(start, pos_ - start));
    skipSeparator();
    return field;
}

FieldWriter::FieldWriter() : encoder_("CP932") {}

void FieldWriter::separate() {
    if (lineStarted_) {
        bytes_.append(',');
    }
    lineStarted_ = true;
}

FieldWriter& FieldWriter::text(const QString& value) {
    separate();
    bytes_.append('"');
    bytes_.append(encoder_.encode(value));
    bytes_.append('"');
    return *this;
}

FieldWriter& FieldWriter::number(qint64 value) {
    separate();
    bytes_.append(QByteArray::number(value));
    return *this;
}

FieldWriter& FieldWriter::endLine() {
    bytes_.append("\r\n");
    lineStarted_ = false;
    return *this;
}

void saveBytes(const QByteArray& bytes, const QString& path) {
    // A file that already holds these bytes is left as it is: writing it again would cost a
    // sync to disk for nothing, and data/rens.ini is written at every start and many runs.
    if (QFile existing(path); existing.size() == bytes.size() &&
                              existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) {
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw RuntimeFault(FaultKind::FileUnwritable, file.errorString(), path);
    }
    beforeReplace(path);  // a failure here leaves the old file as it was
    if (!file.commit()) {
        throw RuntimeFault(FaultKind::FileUnwritable, file.errorString(), path);
    }
}

void saveFilesTogether(const QList<std::pair<QString, QByteArray>>& files) {
    // Everything is written to temporary files first; only then are the old files replaced,
    // and should a replacement still fail, the ones already replaced are put back.
    std::vector<std::unique_ptr<QSaveFile>> pending;
    for (const auto& [path, bytes] : files) {
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly) || file->write(bytes) != bytes.size()) {
            throw RuntimeFault(FaultKind::FileUnwritable, file->errorString(), path);
        }
        pending.push_back(std::move(file));
    }
    std::vector<std::pair<QString, std::optional<QByteArray>>> replaced;
    for (const std::unique_ptr<QSaveFile>& file : pending) {
        std::optional<QByteArray> oldBytes;
        if (QFile old(file->fileName()); old.open(QIODevice::ReadOnly)) {
            oldBytes = old.readAll();
        }
        try {
            beforeReplace(file->fileName());
        } catch (const RuntimeFault&) {
            putBack(replaced);
            throw;
        }
        if (!file->commit()) {
            putBack(replaced);
            throw RuntimeFault(FaultKind::FileUnwritable, file->errorString(), file->fileName());
        }
        replaced.emplace_back(file->fileName(), oldBytes);
    }
}

}  // namespace kuji6
