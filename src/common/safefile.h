// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

#include "common/fault.h"

namespace kuji6 {

// Every file the program writes is saved in one way: the new bytes go to a temporary file
// beside the old one, every write, the sync to disk and the close are checked, and only a
// complete file takes the old one's place (a rename, then a sync of the folder). Any failure
// removes the temporary file, leaves the old file byte for byte as it was and raises
// FileUnwritable with the system's reason (disk full, no permission, ...).

// Replaces the file at `path` with `bytes`. A symbolic link is followed to the file it
// names; what is there must be a regular file. A file that holds these bytes already is not
// touched.
void saveBytes(const QByteArray& bytes, const QString& path);

// Replaces several files as one, even across a crash: either all of them get their new bytes
// or all keep their old ones. The files are in the folder of the first or in folders below
// it, on one file system; a record of the replacement is kept in that folder while the files
// are renamed, and recoverFolder finishes what a crash interrupted.
void saveFilesTogether(const QList<std::pair<QString, QByteArray>>& files);

// Brings `folder` back to a state of whole saves after a crash: a replacement of several
// files still on record is carried out, and the temporary files of saves that never
// finished are removed. Does nothing for a folder that is not there; a failure leaves the
// record for the next time.
void recoverFolder(const QString& folder);

}  // namespace kuji6
