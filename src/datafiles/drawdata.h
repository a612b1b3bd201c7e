// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "common/table.h"

namespace kuji6 {

using DrawRates = Table<Byte, 1, 43>;
using NumberGroups = Table<Byte, 0, 43>;
using LatestNumbers = Table<Byte, 0, 5>;
using ChainMatrix = Table<Byte, 1, 1849>;  // row r, column c at 43 * (r - 1) + c

// The draw data the program holds while it runs: what the data files give, and what the last
// data update brought. Only the loaders and the update change it.
struct DrawData {
    // Draw history (data/deme.ini): the draw its header names, and for each number its
    // past draw rate in percent and its group 1..7 (A..G). numGroup[0] holds the header's
    // second value, 0: no group.
    qint16 demeKai = 0;
    DrawRates drawRate;
    NumberGroups numGroup;

    // Chain data (data/rensa.ini): the latest draw and its six main numbers. After a chain
    // load rensaTable[1..43] ranks the numbers from the lowest chain score to the highest,
    // and rensaTable[1..10] then holds the chain list, best first. An update puts the chain
    // counts themselves here, as the rewrite of data/rensa.ini takes them.
    qint16 lastKai = 0;
    LatestNumbers lastNumbers;
    ChainMatrix rensaTable;

    // The last update file read: the draw it reaches and its note; and how many records the
    // last update read and rewrite got through.
    qint16 updateKai = 0;
    QString updateNote;
    qint32 readCount = 0;
    qint32 writeCount = 0;
};

}  // namespace kuji6
