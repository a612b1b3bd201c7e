// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>

#include "common/clock.h"
#include "common/programfolder.h"
#include "common/prompter.h"
#include "engine/random.h"
#include "engine/state.h"
#include "rules/rulerecord.h"

namespace kuji6 {

// What lives as long as the program and every window works with.
struct AppServices {
    PredictionState& state;
    RandomSource& random;
    Clock& clock;
    Prompter& prompter;
    const ProgramFolder& folder;
    RuleRecord& ruleBuffer;  // the rule settings last read from a file
    const QUrl& updateUrl;   // where the data update fetches update files
};

}  // namespace kuji6
