// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kuji6 {

// The three courses of a prediction. A run knows each by its value; the course options of
// the main window and the prediction files number them by their index: 0 luck, 1 steady,
// 2 wide-range.
enum class Course {
    Luck = 1,    // random lines, no rules
    Steady = 2,  // "7 to 6": seven lines from six drawn numbers and the favourite
    Wide = 3,    // one to five lines, no drawn number twice
};

constexpr int courseIndex(Course course) {
    return static_cast<int>(course) - 1;
}

// The course with index 0..2.
constexpr Course courseAt(int index) {
    return static_cast<Course>(index + 1);
}

}  // namespace kuji6
