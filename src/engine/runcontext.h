// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/programfolder.h"
#include "common/prompter.h"
#include "engine/random.h"
#include "engine/rundisplay.h"
#include "engine/state.h"
#include "rules/liverules.h"
#include "sheets/sheet.h"

namespace kuji6 {

// Everything a prediction run and its courses work with.
struct RunContext {
    PredictionState& state;
    RandomSource& random;
    Sheet& sheet;
    RunDisplay& display;
    Prompter& prompter;
    LiveRules& rules;
    const ProgramFolder& folder;

    // A new lottery number for the current run, counted in randomCount.
    Byte drawCountedNumber() {
        const Byte number = lotteryNumber(random.next());
        countDraw(state);
        return number;
    }
};

}  // namespace kuji6
