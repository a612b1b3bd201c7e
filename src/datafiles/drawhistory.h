// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <stdexcept>
#include <vector>

#include "common/table.h"

namespace kuji6 {

// One draw of the lottery: its number, date, six main numbers and the bonus number.
struct Draw {
    int number = 0;
    QString date;
    std::array<Byte, 6> main{};
    Byte bonus = 0;
};

// A draw history that cannot be read or made into statistics: where and why, to be reported
// to the user as it stands.
class HistoryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a draw history in CSV form: a header line, then one line per draw with nine
// columns (draw, date, six main numbers, bonus), draw numbers increasing. A bad line is
// refused with its line number.
std::vector<Draw> parseDrawHistory(const QByteArray& csv, const QString& sourceName);
std::vector<Draw> readDrawHistory(const QString& path);

}  // namespace kuji6
