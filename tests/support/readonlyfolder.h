// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kuji6::test {

// Makes a folder refuse new and replaced files while it lives, for root too: where
// permissions do not bind, the folder is made immutable. ok() tells whether it worked.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(QString path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool ok() const { return ok_; }

  private:
    bool refusesNewFiles() const;

    QString path_;
    bool immutable_ = false;
    bool ok_ = false;
};

}  // namespace kuji6::test
