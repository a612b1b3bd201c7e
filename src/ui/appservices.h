#pragma once

#include "common/clock.h"
#include "common/programfolder.h"
#include "common/prompter.h"
#include "engine/random.h"
#include "engine/state.h"

namespace kuji6 {

// What lives as long as the program and every window works with.
struct AppServices {
    PredictionState& state;
    RandomSource& random;
    Clock& clock;
    Prompter& prompter;
    const ProgramFolder& folder;
};

}  // namespace kuji6
