// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <span>

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

    // Entries From..To, checked when compiled: loops over them need no check of their own.
    template <int From, int To>
    std::span<T, To - From + 1> slice() {
        static_assert(From >= First && From <= To && To <= Last);
        return std::span<T, To - From + 1>(values_.data() + (From - First), To - From + 1);
    }
    template <int From, int To>
    std::span<const T, To - From + 1> slice() const {
        static_assert(From >= First && From <= To && To <= Last);
        return std::span<const T, To - From + 1>(values_.data() + (From - First), To - From + 1);
    }
    // Entries from..to, checked once: an index outside the table is an IndexOutOfRange error
    // as it is for a single entry.
    std::span<T> slice(int from, int to) {
        if (from > to) {
            return {};
        }
        return std::span<T>(&(*this)[from], &(*this)[to] + 1);
    }

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
