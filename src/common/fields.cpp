// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/fields.h"

namespace kuji6 {

namespace {

// Read from a file in pieces of this size, so that a file of any size costs no more memory.
constexpr qint64 kReadPiece = 16 * 1024;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool endsField(char c) {
    return c == ',' || isLineEnd(c);
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

}  // namespace

FieldReader::FieldReader(QByteArray bytes, NonNumeric nonNumeric)
    : buffer_(std::move(bytes)), nonNumeric_(nonNumeric), decoder_("CP932") {}

FieldReader FieldReader::fromFile(const QString& path, NonNumeric nonNumeric) {
    FieldReader reader(QByteArray(), nonNumeric);
    reader.file_ = openRegularFile(path);
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

// Fields are views into the bytes read: reading one copies nothing. A view lasts until the
// next field is read.
QByteArrayView FieldReader::nextField() {
    fieldStart_ = pos_;
    if (!more()) {
        fail(FaultKind::PastEndOfFile, {});
    }
    skipBlanks();
    if (moreInField() && at(pos_) == '"') {
        return quotedField();
    }
    return plainField();
}

// Whether there is a byte at pos_, reading on in the file when the bytes at hand are used up.
bool FieldReader::more() {
    return pos_ < buffer_.size() || readMore();
}

// The same for a byte that belongs to the current field, which may not grow past its limit.
bool FieldReader::moreInField() {
    if (pos_ - fieldStart_ > kMaxFieldBytes) {
        throw RuntimeFault(FaultKind::FileUnreadable,
                           QStringLiteral("a field longer than %1 bytes").arg(kMaxFieldBytes),
                           source_, QStringLiteral("長すぎる項目があります"));
    }
    return more();
}

bool FieldReader::readMore() {
    if (!file_.isOpen()) {
        return false;
    }
    // The fields before the current one have been passed on: only the current one is kept.
    buffer_.remove(0, fieldStart_);
    pos_ -= fieldStart_;
    fieldStart_ = 0;
    const QByteArray piece = readSome(file_, kReadPiece, source_);
    if (piece.isEmpty()) {
        file_.close();
        return false;
    }
    buffer_.append(piece);
    return true;
}

void FieldReader::skipBlanks() {
    while (moreInField() && isBlank(at(pos_))) {
        ++pos_;
    }
}

void FieldReader::skipSeparator() {
    if (!more()) {
        return;
    }
    const char c = at(pos_++);
    if (c == '\r' && more() && at(pos_) == '\n') {
        ++pos_;
    }
}

// The field's bytes, once its separator has been passed: positions are counted from the
// field's start, as reading on may move the bytes.
QByteArrayView FieldReader::finishField(qsizetype start, qsizetype length) {
    skipSeparator();
    return QByteArrayView(buffer_).sliced(fieldStart_ + start, length);
}

QByteArrayView FieldReader::quotedField() {
    const qsizetype start = ++pos_ - fieldStart_;
    while (moreInField() && at(pos_) != '"') {
        ++pos_;
    }
    const qsizetype length = pos_ - fieldStart_ - start;
    if (more()) {
        ++pos_;  // the closing quote
    }
    while (moreInField() && !endsField(at(pos_))) {
        ++pos_;
    }
    return finishField(start, length);
}

QByteArrayView FieldReader::plainField() {
    const qsizetype start = pos_ - fieldStart_;
    while (moreInField() && !endsField(at(pos_))) {
        ++pos_;
    }
    qsizetype end = pos_ - fieldStart_;
    while (end > start && isBlank(at(fieldStart_ + end - 1))) {
        --end;
    }
    return finishField(start, end - start);
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

}  // namespace kuji6
