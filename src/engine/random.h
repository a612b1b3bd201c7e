// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <random>
#include <span>

#include "common/table.h"

namespace kuji6 {

// A uniform source of values in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    // The next `values.size()` values in order, as that many calls of next() give them; one
    // call for a whole pass of the draw loops.
    virtual void fill(std::span<float> values) {
        for (float& value : values) {
            value = next();
        }
    }
};

// The program's source: a Mersenne Twister in its standard starting state, never reseeded,
// so that with the same clock seconds every run is reproducible from start-up. Each value
// takes 24 random bits, which a float holds exactly, so r * 43 + 1 never reaches 44.
class MersenneSource final : public RandomSource {
  public:
    float next() override { return value(); }
    void fill(std::span<float> values) override {
        for (float& v : values) {
            v = value();
        }
    }

  private:
    float value() { return static_cast<float>(generator_() >> 8) / 16777216.0f; }

    std::mt19937 generator_;
};

// A lottery number 1..43: floor(r * 43 + 1) in single precision.
inline Byte lotteryNumber(float r) {
    return static_cast<Byte>(std::floor(r * 43.0f + 1.0f));
}

// A percentage dice 1..100: floor(r * 100 + 1) in single precision.
inline Byte percentDice(float r) {
    return static_cast<Byte>(std::floor(r * 100.0f + 1.0f));
}

}  // namespace kuji6
