// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/clock.h"
#include "common/programfolder.h"
#include "engine/random.h"
#include "engine/state.h"
#include "rules/rulerecord.h"
#include "ui/application.h"
#include "ui/qtprompter.h"

namespace kuji6 {

// The program as it really runs: the engine's state, the program's own random source, the
// system clock and message boxes on the screen, over the program folder given, updating
// from `updateUrl`.
class Program {
  public:
    Program(ProgramFolder folder, QUrl updateUrl)
        : folder_(std::move(folder)),
          updateUrl_(std::move(updateUrl)),
          application_({state_, random_, clock_, prompter_, folder_, ruleBuffer_, updateUrl_}) {}

    Application& application() { return application_; }

  private:
    ProgramFolder folder_;
    QUrl updateUrl_;
    PredictionState state_;
    MersenneSource random_;
    SystemClock clock_;
    QtPrompter prompter_;
    RuleRecord ruleBuffer_;
    Application application_;
};

}  // namespace kuji6
