// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "common/programfolder.h"

namespace kuji6::test {

// A program folder in a temporary directory, with a copy of the shipped data files.
class ProgramFolderFixture {
  public:
    ProgramFolderFixture();

    const ProgramFolder& folder() const { return folder_; }
    QString path(const QString& relative) const;

    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    void remove(const QString& relative) const;

  private:
    QTemporaryDir dir_;
    ProgramFolder folder_;
};

// A file under tests/fixtures.
QByteArray fixture(const QString& name);
// A file of the shipped data folder.
QByteArray shippedData(const QString& name);

}  // namespace kuji6::test
