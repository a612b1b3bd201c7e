// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/runcontext.h"
#include "engine/state.h"
#include "fakes.h"
#include "programfolderfixture.h"
#include "sheets/sheet.h"

namespace kuji6::test {

// A prediction run's surroundings made of fakes, over a program folder with the shipped
// data. The clock stands at second 0, so a run discards one warm-up draw.
struct RunFixture {
    PredictionState state;
    ScriptedRandom random;
    Sheet sheet;
    FakeDisplay display;
    FakePrompter prompter;
    FakeRules rules;
    FixedClock clock;
    ProgramFolderFixture dir;

    RunContext context() { return {state, random, sheet, display, prompter, rules, dir.folder()}; }

    // Every number in its group of the group list, as the shipped data has them.
    void useGroupList();

    // Result line `line` as "1 5 7 12 30 43", or "" when it is empty.
    QString line(int line) const;
    // The lines 0..9 that hold numbers.
    QStringList filledLines() const;
};

}  // namespace kuji6::test
