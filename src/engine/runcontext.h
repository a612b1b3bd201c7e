// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <limits>
#include <span>

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

    // The values of values.size() new lottery numbers for the current run, counted in
    // randomCount. The value that would pass the 32-bit maximum is still taken from the
    // source before the count overflows.
    void drawCountedValues(std::span<float> values) {
        const auto room =
            static_cast<std::size_t>(std::numeric_limits<qint32>::max() - state.randomCount);
        if (values.size() > room) [[unlikely]] {
            random.fill(values.first(room + 1));
            randomCountOverflow();
        }
        random.fill(values);
        state.randomCount += static_cast<qint32>(values.size());
    }
};

}  // namespace kuji6
