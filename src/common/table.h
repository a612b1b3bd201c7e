// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <cstddef>

#include "common/fault.h"

namespace kuji6 {

using Byte = quint8;

// Kept out of line so that the checked index stays cheap in the draw loops.
[[noreturn]] void indexOutOfRange(int index);

// A fixed table addressed First..Last; any other index is an IndexOutOfRange error rather
// than a stray memory access.
template <class T, int First, int Last>
class Table {
  public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T& operator[](int index) { return values_[slot(index)]; }
    const T& operator[](int index) const { return values_[slot(index)]; }

    void fill(const T& value) { values_.fill(value); }
    bool operator==(const Table&) const = default;

  private:
    static std::size_t slot(int index) {
        if (index < First || index > Last) [[unlikely]] {
            indexOutOfRange(index);
        }
        return static_cast<std::size_t>(index - First);
    }

    std::array<T, Last - First + 1> values_{};
};

}  // namespace kuji6
