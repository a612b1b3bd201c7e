// SPDX-License-Identifier: GPL-3.0-or-later

// A libFuzzer program for one reader, chosen when it is built (KUJI6_FUZZ_TARGET).

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzztargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kuji6::fuzz::Target target = kuji6::fuzz::targetNamed(KUJI6_FUZZ_TARGET);
    if (!target) {
        std::abort();
    }
    target(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
