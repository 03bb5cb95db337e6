// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One libFuzzer target per property; FUZZ_PROPERTY names the property this one checks.
#include "properties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!fuzzprops::FUZZ_PROPERTY(input)) {
        std::fprintf(stderr, "property broken\n");
        std::abort();
    }
    return 0;
}
