// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/runcontext.h"

namespace kuji6 {

// The wide-range course: one to five lines of five drawn numbers and the favourite, no
// drawn number twice on the whole sheet. The three rule methods apply, the seven-group
// method line by line.
void runWideCourse(RunContext& run, Byte favourite, const QString& combinationsText);

}  // namespace kuji6
