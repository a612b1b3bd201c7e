// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/linestore.h"

namespace kuji6 {

void storeLine(PredictionState& state, Sheet& sheet, SixNumbers numbers, int line) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        // The rank of a number is one more than the count of smaller numbers.
        state.workFlag = 1;
        for (std::size_t j = 0; j < numbers.size(); ++j) {
            if (j != i && numbers[j] < numbers[i]) {
                ++state.workFlag;
            }
        }
        state.sortedLine[state.workFlag] = numbers[i];
    }
    Sheet::Line texts;
    for (int k = 0; k < 6; ++k) {
        texts[static_cast<std::size_t>(k)] = QString::number(state.sortedLine[k + 1]);
    }
    sheet.setLine(line, texts);
}

}  // namespace kuji6
