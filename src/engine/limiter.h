// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/runcontext.h"

namespace kuji6 {

// checkRandomLimit's rare paths: the limit passed, or else the sweep.
void checkLimitOrSweep(RunContext& run, qint32 count);

// The random limiter: when `count` draws exceed the run's limit it tells the user, ends the
// busy display, shows the rule settings and sets limiterTripped; the caller decides whether
// to stop. Otherwise it moves the progress bar: to `count` while the search goes on, or in
// a sweep to the end once the candidates just tested were accepted. Inline: the draw loops
// ask it every pass, and nearly always the bar just moves on.
inline void checkRandomLimit(RunContext& run, qint32 count) {
    const PredictionState& state = run.state;
    if (count <= state.randomLimit && state.workFlag == 0) [[likely]] {
        run.display.setProgressValue(count);
        return;
    }
    checkLimitOrSweep(run, count);
}

// The sweep of the progress bar from `from` to `limit`, in steps of limit / 2500.
void sweepProgress(ProgressSink& bar, qint32 limit, qint32 from);

}  // namespace kuji6
