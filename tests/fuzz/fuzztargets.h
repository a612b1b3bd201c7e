// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <array>

namespace kuji6::fuzz {

// One reader of the program fed with arbitrary bytes. The errors the reader reports are
// expected; anything else (a crash, a hang, a sanitizer report, another exception) is a
// fault.
using Target = void (*)(QByteArrayView data);

struct NamedTarget {
    const char* name;
    Target run;
};

extern const std::array<NamedTarget, 8> kTargets;

// The target called `name`, or nullptr.
Target targetNamed(QByteArrayView name);

}  // namespace kuji6::fuzz
