// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/runcontext.h"

namespace kuji6 {

// The random limiter: when `count` draws exceed the run's limit it tells the user, ends the
// busy display, shows the rule settings and sets limiterTripped; the caller decides whether
// to stop. Otherwise it moves the progress bar: to `count` while the search goes on, or in
// a sweep to the end once the candidates just tested were accepted.
void checkRandomLimit(RunContext& run, qint32 count);

// The sweep of the progress bar from `from` to `limit`, in steps of limit / 2500.
void sweepProgress(ProgressSink& bar, qint32 limit, qint32 from);

}  // namespace kuji6
