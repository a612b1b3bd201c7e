// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "datafiles/drawdata.h"
#include "datafiles/drawhistory.h"

namespace kuji6 {

// Everything data/deme.ini and data/rensa.ini hold, computed from a draw history.
struct DataTables {
    qint16 kai = 0;  // the last draw of the history
    QString lastDate;
    DrawRates drawRate;
    NumberGroups numGroup;
    qint16 lastKai = 0;
    LatestNumbers lastNumbers;
    ChainMatrix chain;
};

// The statistics of the last `window` draws (all of them when not given): the draw rate of
// n is the share of draws holding n, in percent rounded half away from zero; n is in group
// ((n - 1) mod 7) + 1; the chain count k -> j counts consecutive draws d, d + 1 with k among
// the main numbers of d and j among those of d + 1. A count above 255 does not fit the data
// file and is refused.
DataTables computeStatistics(const std::vector<Draw>& history, std::optional<int> window);

}  // namespace kuji6
