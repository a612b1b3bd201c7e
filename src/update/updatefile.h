// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "common/fields.h"
#include "common/programfolder.h"
#include "datafiles/drawdata.h"
#include "datafiles/updatefileformat.h"
#include "update/updateprogress.h"

namespace kuji6 {

// Records of a complete update file: 43 draw-history records, the latest draw and 1849
// chain values. The progress bars run to 1895, two short of full.
constexpr int kCompleteRead = 1893;
constexpr int kProgressMaximum = 1895;

struct UpdateHeader {
    QString magicWord;
    qint16 kai = 0;  // the draw the data goes up to
    QString note;
};

// The three fields at the head of an update file.
UpdateHeader readUpdateHeader(const QString& path);

// Reads a whole update file into the shared tables: the draw rates and groups of the 43
// numbers, the latest draw, the chain table, updateKai and updateNote. readCount counts
// the records read and drives the read bar. The file is read into a copy first: the tables
// change only once all 1945 fields have been read, and a failure (raised) leaves them as
// they were, with readCount below kCompleteRead.
void readUpdateFile(DrawData& data, const QString& path, UpdateProgress& progress);
// The same from fields at hand; readCount counts on from where it stands.
void readUpdateFields(DrawData& data, FieldReader& in, UpdateProgress& progress);

// Writes the shared tables to data/deme.ini and data/rensa.ini. writeCount counts the
// records and drives the write bar. Both files are replaced together or not at all, even
// across a crash (see saveFilesTogether).
void writeDataFiles(DrawData& data, const ProgramFolder& folder, UpdateProgress& progress);

}  // namespace kuji6
