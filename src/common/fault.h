// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

namespace kuji6 {

// The kinds of runtime error that end a user action through its error trap.
enum class FaultKind {
    Overflow,         // a value left the range of its type
    IndexOutOfRange,  // a table was addressed outside its bounds
    TypeMismatch,     // a text that should be a number is not one
    FileNotFound,
    FileUnreadable,
    PastEndOfFile,  // a file ended before the last field that was needed
    FileUnwritable,
    WrongHeader,  // a file does not start with the word that marks the program's files
    NetworkFailure,
};

class RuntimeFault : public std::runtime_error {
  public:
    // `reason`, when given, says in the user's words what went wrong instead of the kind's
    // general text.
    explicit RuntimeFault(FaultKind kind, const QString& detail = {}, const QString& file = {},
                          const QString& reason = {});

    // A file operation the system refused with the error number `error` (errno).
    static RuntimeFault fromSystemError(FaultKind kind, int error, const QString& file);

    FaultKind kind() const { return kind_; }
    const QString& detail() const { return detail_; }
    // The file being read or written when the error arose, if any.
    const QString& file() const { return file_; }

    // A short Japanese reason for messages that name what went wrong.
    QString reason() const;

  private:
    FaultKind kind_;
    QString detail_;
    QString file_;
    QString reason_;
};

// A message about a file that could not be used: `headline`, then the file and the reason.
QString fileFaultMessage(const QString& headline, const RuntimeFault& fault);

}  // namespace kuji6
