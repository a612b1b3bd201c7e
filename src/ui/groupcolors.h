// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace kuji6 {

// The colour of each number group, 1..7 (A..G), as the rule window's group letters show it
// and the statistics charts draw its numbers; a neutral grey for a group the data does not
// name.
QColor groupColor(int group);

}  // namespace kuji6
