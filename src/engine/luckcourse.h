// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/runcontext.h"

namespace kuji6 {

// The luck course: for each combination asked for, five random numbers that differ from
// each other and from the favourite number, plus the favourite. No rules apply.
void runLuckCourse(RunContext& run, Byte favourite, const QString& combinationsText);

}  // namespace kuji6
