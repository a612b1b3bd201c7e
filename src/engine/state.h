// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <cstdint>
#include <cstring>

#include "common/table.h"
#include "datafiles/drawdata.h"

namespace kuji6 {

// What the seven-group rules tell the course about the line they tested.
enum class RunStatus {
    CarryOn = 0,
    Redraw = 1,  // the line is rejected: its positions are drawn again
    Stop = 2,    // the rule settings contradict each other: the run ends
};

// The prediction state shared by every routine of a run, over the draw data it draws on. It
// lives as long as the program; only a run's start and the loaders change it, never a reload
// of the main window.
struct PredictionState : DrawData {
    // The line or lines being built; the layout depends on the course.
    Table<Byte, 0, 25> candidate;
    Table<Byte, 1, 25> posAccepted;  // every flag 0 or 1
    Byte favNumber = 0;
    Byte favGroup = 0;
    Byte demeThreshold = 0;
    Byte demeDice = 0;
    Table<Byte, 1, 6> sortedLine;

    // In turn: the acceptance flag of a draw loop (0 = draw again), the rank counter of
    // the line store, and the page number while pages change.
    Byte workFlag = 0;

    qint32 randomCount = 0;
    qint32 randomLimit = 0;
    Byte limiterTripped = 0;
    RunStatus runStatus = RunStatus::CarryOn;
};

// randomCount passing the 32-bit maximum: an Overflow.
[[noreturn]] void randomCountOverflow();

// The positions 1..last (at most 25) whose posAccepted flag is 0, bit p for position p.
// The draw loops ask this every pass, so the flags are read eight at a time.
inline std::uint32_t unacceptedPositions(const PredictionState& state, int last) {
    // Multiplying eight flags of 0 or 1 by this gathers them into the top byte, in order.
    constexpr std::uint64_t gather = 0x0102040810204080ull;
    const auto flags = state.posAccepted.slice<1, 25>();
    const auto acceptedOfEight = [&flags](std::size_t from) {
        std::uint64_t eight;
        std::memcpy(&eight, flags.data() + from, sizeof eight);
        return static_cast<std::uint32_t>((eight * gather) >> 56) << from;
    };
    std::uint32_t accepted = acceptedOfEight(0);
    // The steady course asks for no more than the first eight.
    if (last > 8) {
        accepted |= acceptedOfEight(8) | acceptedOfEight(16) | std::uint32_t{flags[24]} << 24;
    }
    const std::uint32_t examined = (1u << last) - 1;
    return (~accepted & examined) << 1;
}

// How many positions a set of them holds. std::popcount is a library call on the baseline
// processors, which lack the instruction; the draw loops ask this every pass.
inline int positionCount(std::uint32_t positions) {
    positions -= (positions >> 1) & 0x55555555u;
    positions = (positions & 0x33333333u) + ((positions >> 2) & 0x33333333u);
    positions = (positions + (positions >> 4)) & 0x0f0f0f0fu;
    return static_cast<int>((positions * 0x01010101u) >> 24);
}

}  // namespace kuji6
