// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "common/fault.h"
#include "common/safefile.h"
#include "common/systemfile.h"

namespace kuji6 {

// What a number field that holds something other than a number reads as.
enum class NonNumeric {
    Fault,  // a TypeMismatch error
    Zero,   // the value 0
};

// Reads the fields of the program's text files one after the other.
//
// A comma and a line end (CR LF, LF or CR) both end a field, so how the fields are spread
// over lines does not matter. Blanks before a field are skipped. A field that starts with a
// double quote runs to the next double quote (a comma inside belongs to the field); whatever
// follows the closing quote up to the next separator is dropped. Text is code page 932.
// Reading a field when the data has run out is a PastEndOfFile error; data after the last
// field a caller reads is never looked at. A field (its blanks and quotes included) longer
// than kMaxFieldBytes, far more than any of the program's files holds, is refused as
// FileUnreadable: whatever the file, the reader holds little more than one field at a time.
class FieldReader {
  public:
    static constexpr qsizetype kMaxFieldBytes = 4096;

    explicit FieldReader(QByteArray bytes, NonNumeric nonNumeric = NonNumeric::Fault);

    // The regular file at `path`, read on as the fields are taken (see openRegularFile);
    // FileNotFound or FileUnreadable when it cannot be read.
    static FieldReader fromFile(const QString& path, NonNumeric nonNumeric = NonNumeric::Fault);

    QString text();
    quint8 byte();
    qint16 int16();
    qint32 int32();

  private:
    QByteArrayView nextField();
    qint64 integer(qint64 min, qint64 max);
    void skipBlanks();
    void skipSeparator();
    QByteArrayView quotedField();
    QByteArrayView plainField();
    QByteArrayView finishField(qsizetype start, qsizetype length);
    bool more();
    bool moreInField();
    bool readMore();
    char at(qsizetype index) const { return buffer_.at(index); }

    [[noreturn]] void fail(FaultKind kind, QByteArrayView field) const;

    QByteArray buffer_;         // the bytes read and not yet passed, from the current field on
    qsizetype pos_ = 0;         // the next byte to look at
    qsizetype fieldStart_ = 0;  // where the current field began
    FileDescriptor file_;       // closed once read to its end, or for bytes given at once
    NonNumeric nonNumeric_;
    QString source_;  // the file the fields come from, for error reports
    QStringDecoder decoder_;
};

// Writes fields the way every file of the program stores them: single commas between the
// fields of a line, text fields in double quotes (code page 932), numbers in plain decimal,
// every line ended by CR LF.
class FieldWriter {
  public:
    FieldWriter();

    FieldWriter& text(const QString& value);
    FieldWriter& number(qint64 value);
    FieldWriter& endLine();

    const QByteArray& bytes() const { return bytes_; }

    // Replaces the file at `path` with the fields written so far (see saveBytes).
    void saveTo(const QString& path) const { saveBytes(bytes_, path); }

  private:
    void separate();

    QByteArray bytes_;
    bool lineStarted_ = false;
    QStringEncoder encoder_;
};

}  // namespace kuji6
