// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/state.h"
#include "sheets/sheet.h"

namespace kuji6 {

// The ">" and "<" buttons. The page number passes through the shared work flag.
void turnToNextPage(Sheet& sheet, PredictionState& state);
void turnToPreviousPage(Sheet& sheet, PredictionState& state);

}  // namespace kuji6
