// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/liverules.h"

#include <algorithm>

namespace kuji6 {

Direction directionOf(const QString& text) {
    if (text == kAtOrAbove) {
        return Direction::AtOrAbove;
    }
    return text == kAtOrBelow ? Direction::AtOrBelow : Direction::Unknown;
}

int RuleSettings::excludedGroupCount() const {
    return static_cast<int>(std::count(excludedGroup.begin(), excludedGroup.end(), true));
}

}  // namespace kuji6
