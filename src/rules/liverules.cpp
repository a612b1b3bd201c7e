// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/liverules.h"

#include <algorithm>

namespace kuji6 {

int RuleSettings::excludedGroupCount() const {
    return static_cast<int>(std::count(excludedGroup.begin(), excludedGroup.end(), true));
}

}  // namespace kuji6
