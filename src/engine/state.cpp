#include "engine/state.h"

#include "common/numbers.h"

namespace kuji6 {

void countDraw(PredictionState& state) {
    state.randomCount = fitted<qint32>(qint64{state.randomCount} + 1);
}

}  // namespace kuji6
