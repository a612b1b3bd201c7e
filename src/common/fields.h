#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <functional>
#include <utility>

#include "common/fault.h"

namespace kuji6 {

// Replaces the file at `path` with `bytes` all at once: a failure leaves any old file as it
// was and raises FileUnwritable. A file that holds these bytes already is not touched.
void saveBytes(const QByteArray& bytes, const QString& path);

// Replaces several files as one: either all of them get their new bytes, or, when any of
// them cannot be written, all keep their old ones (FileUnwritable).
void saveFilesTogether(const QList<std::pair<QString, QByteArray>>& files);

// A seam for tests: called with a file's path once its new bytes are written and before
// they replace the old file. An error it raises fails the save at that very point.
using BeforeReplaceHook = std::function<void(const QString& path)>;
void setBeforeReplaceHook(BeforeReplaceHook hook);

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
// field a caller reads is never looked at.
class FieldReader {
  public:
    explicit FieldReader(QByteArray bytes, NonNumeric nonNumeric = NonNumeric::Fault);

    // The whole file at `path`; FileNotFound or FileUnreadable when it cannot be read.
    static FieldReader fromFile(const QString& path, NonNumeric nonNumeric = NonNumeric::Fault);

    QString text();
    quint8 byte();
    qint16 int16();
    qint32 int32();

    // True when no further field can be read.
    bool atEnd() const { return pos_ >= bytes_.size(); }

  private:
    QByteArrayView nextField();
    qint64 integer(qint64 min, qint64 max);
    void skipBlanks();
    void skipSeparator();
    QByteArrayView quotedField();
    QByteArrayView plainField();
    char at(qsizetype index) const { return bytes_.at(index); }

    [[noreturn]] void fail(FaultKind kind, QByteArrayView field) const;

    QByteArray bytes_;
    qsizetype pos_ = 0;
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
