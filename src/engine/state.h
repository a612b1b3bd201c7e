// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <limits>

#include "engine/table.h"

namespace kuji6 {

// What the seven-group rules tell the course about the line they tested.
enum class RunStatus {
    CarryOn = 0,
    Redraw = 1,  // the line is rejected: its positions are drawn again
    Stop = 2,    // the rule settings contradict each other: the run ends
};

// The prediction state shared by every routine of a run. It lives as long as the program;
// only a run's start and the loaders change it, never a reload of the main window.
struct PredictionState {
    // Draw history (data/deme.ini): the draw its header names, and for each number its
    // past draw rate in percent and its group 1..7 (A..G). numGroup[0] holds the header's
    // second value, 0: no group.
    qint16 demeKai = 0;
    Table<Byte, 1, 43> drawRate;
    Table<Byte, 0, 43> numGroup;

    // Chain data (data/rensa.ini): the latest draw and its six main numbers. After a chain
    // load rensaTable[1..43] ranks the numbers from the lowest chain score to the highest,
    // and rensaTable[1..10] then holds the chain list, best first.
    qint16 lastKai = 0;
    Table<Byte, 0, 5> lastNumbers;
    Table<Byte, 1, 1849> rensaTable;

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
    // the line store and of the chain ranking, and the page number while pages change.
    Byte workFlag = 0;

    // The last update file read: the draw it reaches and its note; and how many records the
    // last update read and rewrite got through.
    qint16 updateKai = 0;
    QString updateNote;
    qint32 readCount = 0;
    qint32 writeCount = 0;

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
