// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

#include "common/programfolder.h"
#include "datafiles/drawhistory.h"
#include "datafiles/statistics.h"

namespace kuji6 {

// A draw that cannot join the history: what is wrong and what is expected, in the user's
// words (`text`) and in the tool's (`what()`); `line` is the line of the file it came from,
// 0 for a draw typed in.
class DrawRefusal : public HistoryError {
  public:
    DrawRefusal(int line, const QString& text, const QString& english);
    int line() const { return line_; }
    const QString& text() const { return text_; }

  private:
    int line_;
    QString text_;
};

// A draw as the user types it: the draw number, the date (YYYY/MM/DD or YYYY-MM-DD), the six
// main numbers in any order and the bonus number.
struct DrawEntry {
    QString number;
    QString date;
    std::array<QString, 6> main;
    QString bonus;
};

// The numbers of a draw as typed: each 1..43 and the seven all different, the main numbers
// then ascending.
struct WinningNumbers {
    std::array<Byte, 6> main{};
    Byte bonus = 0;
};
WinningNumbers checkWinningNumbers(const std::array<QString, 6>& main, const QString& bonus);

// The draw `entry` describes when it is the one after the last of `history`: every number
// 1..43, the seven all different, the draw number one more than the last one's, a real date
// not before the last one's. Its main numbers come ascending, as the history keeps them.
Draw checkNewDraw(const std::vector<Draw>& history, const DrawEntry& entry);

// The history with the draws of a CSV file merged in by draw number. The file may have a
// header line and blank lines, commas or tabs between its nine columns, dates as YYYY/MM/DD
// or YYYY-MM-DD. A draw the history holds already must be the same draw; the merged history
// must run without a gap and its dates must not go back. The first line that breaks a rule
// is refused.
struct MergedHistory {
    std::vector<Draw> draws;
    int added = 0;
    int firstAdded = 0;  // the lowest and highest draw number added, when any
    int lastAdded = 0;
};
MergedHistory mergeDrawFile(const std::vector<Draw>& history, const QByteArray& csv);

// The history in the layout of data/history/draws-6of43.csv.
QByteArray drawHistoryBytes(const std::vector<Draw>& draws);

// Makes `draws` the program's history and data/deme.ini and data/rensa.ini what the whole of
// it gives, the three files replaced as one (both old or both new, also across a crash).
// Returns the statistics written.
DataTables replaceHistory(const ProgramFolder& folder, const std::vector<Draw>& draws);

// A date of the history (YYYY-MM-DD) as the windows show it, YYYY/MM/DD.
QString shownDate(const QString& isoDate);

}  // namespace kuji6
