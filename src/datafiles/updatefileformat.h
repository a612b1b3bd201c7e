// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include "datafiles/statistics.h"

namespace kuji6 {

// An update file carries the data files: its header, then the lines of data/deme.ini after
// that file's header and all of data/rensa.ini. kuji6-data makes one, the data update reads
// it.

// The word an update file starts with.
inline const QString kUpdateMagicWord = QStringLiteral("pomrinupdate");

// An update file with `tables`: the header "pomrinupdate", the last draw and `note`, then
// the data files' lines.
QByteArray updateFileBytes(const DataTables& tables, const QString& note);

}  // namespace kuji6
