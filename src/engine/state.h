// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <limits>

#include "common/table.h"
#include "datafiles/drawdata.h"

namespace kuji6 {

// What the seven-group rules tell the course about the line they tested.
enum class RunStatus {
    CarryOn = 0,
    Redraw = 1,  // the line is rejected: its positions are drawn again
    Stop = 2,    // the rule settings contradict each other: the run ends
};

// The prediction state shared by every routine of a run, over the draw data it draws on. It
// lives as long as the program; only a run's start and the loaders change it, never a reload
// of the main window.
struct PredictionState : DrawData {
    // The line or lines being built; the layout depends on the course.
    Table<Byte, 0, 25> candidate;
    Table<Byte, 1, 25> posAccepted;
    Table<Byte, 1, 7> groupCount;
    Byte favNumber = 0;
    Byte favGroup = 0;
    Byte demeThreshold = 0;
    Byte demeDice = 0;
    Table<Byte, 1, 6> sortedLine;

    // In turn: the acceptance flag of a draw loop (0 = draw again), the rank counter of
    // the line store, and the page number while pages change.
    Byte workFlag = 0;

    qint32 randomCount = 0;
    qint32 randomLimit = 0;
    Byte limiterTripped = 0;
    RunStatus runStatus = RunStatus::CarryOn;
};

[[noreturn]] void randomCountOverflow();

// Counts one random draw of the current run; passing the 32-bit maximum is an Overflow.
inline void countDraw(PredictionState& state) {
    if (state.randomCount == std::numeric_limits<qint32>::max()) [[unlikely]] {
        randomCountOverflow();
    }
    ++state.randomCount;
}

}  // namespace kuji6
