// SPDX-License-Identifier: GPL-3.0-or-later

#include "runfixture.h"

namespace kuji6::test {

void RunFixture::useGroupList() {
    for (int n = 1; n <= 43; ++n) {
        state.numGroup[n] = static_cast<Byte>((n - 1) % 7 + 1);
    }
}

QString RunFixture::line(int index) const {
    const Sheet::Line& numbers = sheet.line(index);
    return QStringList(numbers.begin(), numbers.end()).join(u' ').trimmed();
}

QStringList RunFixture::filledLines() const {
    QStringList lines;
    for (int i = 0; i < Sheet::kLines; ++i) {
        if (!line(i).isEmpty()) {
            lines << line(i);
        }
    }
    return lines;
}

}  // namespace kuji6::test
