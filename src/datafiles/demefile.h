// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "common/fields.h"
#include "datafiles/drawdata.h"

namespace kuji6 {

// Reads data/deme.ini: the header (draw number, 0) and for n = 1..43 the draw rate and
// group of n. Values are stored as they are read, so a failure part-way keeps the values
// read before it.
void readDemeFile(DrawData& data, const QString& path);
void readDemeFields(DrawData& data, FieldReader& in);

// Reads only the header's draw number, which a run does to make sure the file is there.
void probeDemeFile(const QString& path);

// The bytes of a data/deme.ini; `recordWritten` is called after each of the 43 number
// records.
QByteArray demeFileBytes(qint16 kai, const DrawRates& drawRate, const NumberGroups& numGroup,
                         const std::function<void()>& recordWritten = {});

}  // namespace kuji6
