// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cmath>
#include <concepts>
#include <limits>
#include <utility>

#include "common/fault.h"

namespace kuji6 {

// The value of a number typed into a control: optional blanks around an optional sign,
// digits and an optional decimal part ("12", " -3", "2.5", ".5"). Any other text,
// the empty text included, is a TypeMismatch.
double numberFromText(const QString& text);

// To the nearest whole number, ties to the even one (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// `value` as an integer of type T; a value outside T's range is an Overflow.
template <std::integral T, std::integral V>
T fitted(V value) {
    if (std::cmp_less(value, std::numeric_limits<T>::min()) ||
        std::cmp_greater(value, std::numeric_limits<T>::max())) {
        throw RuntimeFault(FaultKind::Overflow, QString::number(value));
    }
    return static_cast<T>(value);
}

template <std::integral T, std::floating_point V>
T fitted(V value) {
    // Written so that NaN fails the check as well.
    if (!(value >= static_cast<V>(std::numeric_limits<T>::min()) &&
          value <= static_cast<V>(std::numeric_limits<T>::max()))) {
        throw RuntimeFault(FaultKind::Overflow, QString::number(static_cast<double>(value)));
    }
    return static_cast<T>(value);
}

// A control's text as a whole number of type T, rounded half to even.
template <std::integral T>
T roundedFromText(const QString& text) {
    return fitted<T>(roundHalfEven(numberFromText(text)));
}

// A control's text rounded down to a whole number (still a double: callers compare or
// convert it with the range check their target needs).
inline double floorFromText(const QString& text) {
    return std::floor(numberFromText(text));
}

}  // namespace kuji6
