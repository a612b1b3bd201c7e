// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/table.h"

namespace kuji6 {

void indexOutOfRange(int index) {
    throw RuntimeFault(FaultKind::IndexOutOfRange, QString::number(index));
}

}  // namespace kuji6
