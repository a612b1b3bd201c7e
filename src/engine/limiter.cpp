// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/limiter.h"

#include "common/numbers.h"

namespace kuji6 {

void checkLimitOrSweep(RunContext& run, qint32 count) {
    PredictionState& state = run.state;
    if (count > state.randomLimit) {
        run.prompter.warn(kAttentionTitle,
                          QStringLiteral("条件が厳しすぎます。条件を見直してください。"));
        endBusyDisplay(run.display);
        run.display.setComment(QStringLiteral("乱数リミッターが作動しました"));
        run.rules.show();
        state.limiterTripped = 1;
    } else {
        sweepProgress(run.display, state.randomLimit, count);
    }
}

void sweepProgress(ProgressSink& bar, qint32 limit, qint32 from) {
    const double step = limit / 2500.0;
    qint32 value = from;
    while (limit - (step - 1) > value) {
        const qint32 next = fitted<qint32>(roundHalfEven(step + value));
        if (next <= value) {
            // With a limit of 1250 or less the step rounds away and would never get there.
            break;
        }
        value = next;
        bar.setProgressValue(value);
    }
    bar.setProgressValue(limit);
}

}  // namespace kuji6
