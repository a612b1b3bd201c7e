// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "engine/state.h"
#include "sheets/sheet.h"

namespace kuji6 {

using SixNumbers = std::array<Byte, 6>;

// Sorts six different numbers into sortedLine[1..6] and shows them, ascending, as result
// line `line`. The numbers are copied first, so entries of sortedLine may be passed in.
void storeLine(PredictionState& state, Sheet& sheet, SixNumbers numbers, int line);

}  // namespace kuji6
