// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "common/programfolder.h"
#include "datafiles/drawdata.h"
#include "datafiles/drawhistory.h"

namespace kuji6 {

// What the statistics window shows of the data the rules lean on: the draw rates and groups
// of data/deme.ini, counts over the draw history, and the chain list for the next draw. Each
// file is read on its own, so that one missing or broken file leaves the others in view.

// data/deme.ini as the draw-rate and seven-group rules use it.
struct DrawRateData {
    qint16 kai = 0;  // the draw the data reaches
    DrawRates drawRate;
    NumberGroups numGroup;
};

// The mean of the 43 draw rates, which the rate chart draws as a line.
double meanDrawRate(const DrawRateData& rates);

// One place of the chain list: a number and its chain score for the next draw.
struct ChainPlace {
    int number = 0;
    qint64 score = 0;
};

// The chain list for the next draw, best first, as the favourite-number list offers it, and
// the latest draw it is scored from.
struct ChainOutlook {
    qint16 lastKai = 0;
    LatestNumbers lastNumbers;
    std::array<ChainPlace, 10> list{};
};

// How often a number came in a stretch of draws: among the six main numbers, and as the
// bonus number.
struct NumberCount {
    int main = 0;
    int bonus = 0;
};
using NumberCounts = std::array<NumberCount, 44>;  // [n], n = 1..43

// One row of the statistics table.
struct NumberRow {
    int number = 0;
    QChar groupLetter;              // 'A'..'G', or '-' when the group is not known
    std::optional<int> drawRate;    // percent, from data/deme.ini
    NumberCount count;              // in the chosen stretch of the history
    std::optional<int> drawsSince;  // draws after the last one with n as a main number
};

// The stretches of history the window offers: the last N draws, or all of them.
struct HistoryWindow {
    std::optional<int> draws;  // all draws when not given
    QString caption;
};
const std::vector<HistoryWindow>& historyWindows();
constexpr int kDefaultHistoryWindow = 2;  // "直近50回"

// The counts of each number over the last `draws` draws of `history` (all when not given,
// or when the history is shorter).
NumberCounts countDraws(const std::vector<Draw>& history, std::optional<int> draws);

// For each number the draws held after the last draw with it among the main numbers: 0 when
// it came in the latest draw, nothing when it never came.
std::array<std::optional<int>, 44> drawsSinceLast(const std::vector<Draw>& history);

// The chain list of data/rensa.ini, ranked as the chain load ranks it, without writing
// data/rens.ini.
ChainOutlook readChainOutlook(const QString& rensaPath);

// The draw history beside the shipped data: data/history/draws-6of43.csv.
QString historyFile(const ProgramFolder& folder);

// Everything the window shows, read afresh; each file that could not be read has its line
// in `problems`, in Japanese, naming the file and the reason.
struct NumberStatistics {
    std::optional<DrawRateData> rates;
    std::optional<std::vector<Draw>> history;
    std::optional<ChainOutlook> chain;
    QStringList problems;

    // The 43 rows for the stretch `draws` of the history; the group letter comes from
    // data/deme.ini, or from the fixed group list when that file could not be read.
    std::vector<NumberRow> rows(std::optional<int> draws) const;
};
NumberStatistics readNumberStatistics(const ProgramFolder& folder);

// The group letter of group number 1..7; '-' for any other value.
QChar groupLetter(int group);

}  // namespace kuji6
