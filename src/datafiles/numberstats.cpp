// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/numberstats.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <span>

#include "common/fields.h"
#include "common/systemfile.h"
#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"

namespace kuji6 {

namespace {

std::span<const Draw> lastDraws(const std::vector<Draw>& history, std::optional<int> draws) {
    const std::size_t count =
        draws ? std::min(history.size(), static_cast<std::size_t>(std::max(*draws, 0)))
              : history.size();
    return std::span<const Draw>(history).last(count);
}

QString fileName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString problemLine(const QString& what, const QString& path, const QString& reason) {
    return QStringLiteral("%1（%2）を読み込めませんでした: %3").arg(what, fileName(path), reason);
}

template <class Read>
auto readOrNote(Read read, const QString& what, const QString& path, QStringList& problems)
    -> std::optional<decltype(read())> {
    try {
        return read();
    } catch (const RuntimeFault& fault) {
        problems << problemLine(what, path, fault.reason());
    } catch (const HistoryError& error) {
        // The history's own report says where it went wrong, line and column.
        problems << problemLine(what, path,
                                QStringLiteral("内容が正しくありません（%1）")
                                    .arg(QString::fromStdString(error.what())));
    }
    return std::nullopt;
}

// A history as large as the tool's reader takes.
constexpr qint64 kLargestHistory = 16 * 1024 * 1024;

// A missing or unreadable file is told in the user's words; a bad line by its place.
std::vector<Draw> readHistory(const QString& path) {
    return parseDrawHistory(readRegularFile(path, kLargestHistory), QFileInfo(path).fileName());
}

DrawRateData readRates(const QString& path) {
    DrawData data;
    readDemeFile(data, path);
    return {data.demeKai, data.drawRate, data.numGroup};
}

}  // namespace

const std::vector<HistoryWindow>& historyWindows() {
    static const std::vector<HistoryWindow> windows{
        {10, QStringLiteral("直近10回")},       {25, QStringLiteral("直近25回")},
        {50, QStringLiteral("直近50回")},       {100, QStringLiteral("直近100回")},
        {std::nullopt, QStringLiteral("全回")},
    };
    return windows;
}

double meanDrawRate(const DrawRateData& rates) {
    int sum = 0;
    for (int n = 1; n <= 43; ++n) {
        sum += rates.drawRate[n];
    }
    return sum / 43.0;
}

NumberCounts countDraws(const std::vector<Draw>& history, std::optional<int> draws) {
    NumberCounts counts{};
    for (const Draw& draw : lastDraws(history, draws)) {
        for (Byte n : draw.main) {
            ++counts[n].main;
        }
        ++counts[draw.bonus].bonus;
    }
    return counts;
}

std::array<std::optional<int>, 44> drawsSinceLast(const std::vector<Draw>& history) {
    std::array<std::optional<int>, 44> since{};
    const int total = static_cast<int>(history.size());
    for (int d = 0; d < total; ++d) {
        for (Byte n : history[static_cast<std::size_t>(d)].main) {
            since[n] = total - 1 - d;
        }
    }
    return since;
}

ChainOutlook readChainOutlook(const QString& rensaPath) {
    DrawData data;
    FieldReader in = FieldReader::fromFile(rensaPath);
    const ChainScores scores = readChainTable(data, in);
    rankChainScores(data, scores);
    ChainOutlook outlook;
    outlook.lastKai = data.lastKai;
    outlook.lastNumbers = data.lastNumbers;
    // The ranking runs from the lowest key to the highest: the best ten are its top places.
    for (int place = 0; place < 10; ++place) {
        const int number = data.rensaTable[43 - place];
        outlook.list[static_cast<std::size_t>(place)] = {number,
                                                         scores[static_cast<std::size_t>(number)]};
    }
    return outlook;
}

QString historyFile(const ProgramFolder& folder) {
    return QDir(folder.dataFolder()).filePath(QStringLiteral("history/draws-6of43.csv"));
}

QChar groupLetter(int group) {
    return group >= 1 && group <= 7 ? QChar(u'A' + group - 1) : QChar(u'-');
}

std::vector<NumberRow> NumberStatistics::rows(std::optional<int> draws) const {
    const NumberCounts counts = history ? countDraws(*history, draws) : NumberCounts{};
    const auto since = history ? drawsSinceLast(*history) : std::array<std::optional<int>, 44>{};
    std::vector<NumberRow> table;
    for (int n = 1; n <= 43; ++n) {
        const auto slot = static_cast<std::size_t>(n);
        NumberRow row;
        row.number = n;
        row.groupLetter = groupLetter(rates ? rates->numGroup[n] : (n - 1) % 7 + 1);
        if (rates) {
            row.drawRate = rates->drawRate[n];
        }
        row.count = counts[slot];
        row.drawsSince = since[slot];
        table.push_back(row);
    }
    return table;
}

NumberStatistics readNumberStatistics(const ProgramFolder& folder) {
    NumberStatistics stats;
    const QString deme = folder.demeFile();
    stats.rates = readOrNote([&] { return readRates(deme); }, QStringLiteral("出目データ"), deme,
                             stats.problems);
    const QString history = historyFile(folder);
    stats.history = readOrNote([&] { return readHistory(history); }, QStringLiteral("抽せん履歴"),
                               history, stats.problems);
    const QString rensa = folder.rensaFile();
    stats.chain = readOrNote([&] { return readChainOutlook(rensa); }, QStringLiteral("連鎖データ"),
                             rensa, stats.problems);
    return stats;
}

}  // namespace kuji6
