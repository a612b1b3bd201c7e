// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

#include "common/table.h"

namespace kuji6 {

// The prize tiers of a line against a draw.
enum class Tier { First, Second, Third, Fourth, Fifth, None };
inline constexpr int kTiers = 6;

// What a line of six numbers won in a draw: how many main numbers it matched and which of
// its six places hold them, whether it holds the bonus number, and the tier that makes:
// six matched is the first tier, five and the bonus the second, five the third, four the
// fourth, three the fifth, fewer nothing.
struct LineHit {
    int matched = 0;
    bool bonus = false;
    std::array<bool, 6> marked{};
    Tier tier = Tier::None;
};

// `line` holds numbers as the sheet does; a place that holds no number 1..43 matches none.
LineHit checkLine(const std::array<int, 6>& line, const std::array<Byte, 6>& main, Byte bonus);

// "1等" .. "5等", "はずれ".
QString tierText(Tier tier);

// A line's result as the check shows it: "4個一致 4等".
QString hitText(const LineHit& hit);

}  // namespace kuji6
