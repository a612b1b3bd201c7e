// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/hitcheck.h"

#include <algorithm>

namespace kuji6 {

namespace {

Tier tierFor(int matched, bool bonus) {
    switch (matched) {
        case 6:
            return Tier::First;
        case 5:
            return bonus ? Tier::Second : Tier::Third;
        case 4:
            return Tier::Fourth;
        case 3:
            return Tier::Fifth;
        default:
            return Tier::None;
    }
}

}  // namespace

LineHit checkLine(const std::array<int, 6>& line, const std::array<Byte, 6>& main, Byte bonus) {
    LineHit hit;
    for (std::size_t k = 0; k < line.size(); ++k) {
        hit.marked[k] = std::find(main.begin(), main.end(), line[k]) != main.end();
        hit.matched += hit.marked[k] ? 1 : 0;
        hit.bonus = hit.bonus || line[k] == bonus;
    }
    hit.tier = tierFor(hit.matched, hit.bonus);
    return hit;
}

QString tierText(Tier tier) {
    return tier == Tier::None ? QStringLiteral("はずれ")
                              : QStringLiteral("%1等").arg(static_cast<int>(tier) + 1);
}

QString hitText(const LineHit& hit) {
    return QStringLiteral("%1個一致 %2").arg(hit.matched).arg(tierText(hit.tier));
}

}  // namespace kuji6
