// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/statistics.h"

#include <array>
#include <span>

namespace kuji6 {

namespace {

std::span<const Draw> lastDraws(const std::vector<Draw>& history, std::optional<int> window) {
    if (window && *window < 1) {
        throw HistoryError("--window must be at least 1");
    }
    const std::size_t count =
        window ? std::min(history.size(), static_cast<std::size_t>(*window)) : history.size();
    return std::span<const Draw>(history).last(count);
}

void computeDrawRates(std::span<const Draw> draws, DataTables& tables) {
    std::array<qint64, 44> appearances{};
    for (const Draw& draw : draws) {
        for (Byte n : draw.main) {
            ++appearances[n];
        }
    }
    const auto total = static_cast<qint64>(draws.size());
    for (int n = 1; n <= 43; ++n) {
        // 100 * a / total rounded half away from zero, in whole numbers.
        tables.drawRate[n] = static_cast<Byte>(
            (200 * appearances[static_cast<std::size_t>(n)] + total) / (2 * total));
        tables.numGroup[n] = static_cast<Byte>((n - 1) % 7 + 1);
    }
}

void computeChains(std::span<const Draw> draws, DataTables& tables) {
    std::array<int, 1850> counts{};
    for (std::size_t d = 0; d + 1 < draws.size(); ++d) {
        for (Byte from : draws[d].main) {
            for (Byte to : draws[d + 1].main) {
                ++counts[static_cast<std::size_t>(43 * (from - 1) + to)];
            }
        }
    }
    for (int slot = 1; slot <= 1849; ++slot) {
        const int count = counts[static_cast<std::size_t>(slot)];
        if (count > 255) {
            throw HistoryError(QStringLiteral("chain count %1 -> %2 is %3, above the 255 the data "
                                              "file can hold; use --window to take fewer draws")
                                   .arg((slot - 1) / 43 + 1)
                                   .arg((slot - 1) % 43 + 1)
                                   .arg(count)
                                   .toStdString());
        }
        tables.chain[slot] = static_cast<Byte>(count);
    }
}

}  // namespace

DataTables computeStatistics(const std::vector<Draw>& history, std::optional<int> window) {
    const std::span<const Draw> draws = lastDraws(history, window);
    DataTables tables;
    const Draw& last = draws.back();
    tables.kai = static_cast<qint16>(last.number);
    tables.lastKai = tables.kai;
    tables.lastDate = last.date;
    for (int i = 0; i <= 5; ++i) {
        tables.lastNumbers[i] = last.main[static_cast<std::size_t>(i)];
    }
    computeDrawRates(draws, tables);
    computeChains(draws, tables);
    return tables;
}

}  // namespace kuji6
