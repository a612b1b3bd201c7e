// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/state.h"

#include "common/fault.h"

namespace kuji6 {

void randomCountOverflow() {
    throw RuntimeFault(FaultKind::Overflow, QStringLiteral("randomCount"));
}

}  // namespace kuji6
