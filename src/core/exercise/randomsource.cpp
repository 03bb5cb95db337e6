// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include <chrono>
#include <random>

namespace randomsource {

namespace {
std::mt19937_64 seededEngine()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed {static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32),
                        static_cast<unsigned>(std::random_device {}())};
    return std::mt19937_64(seed);
}
} // namespace

double realDraw()
{
    static std::mt19937_64 engine = seededEngine();
    // 53 random bits give every double in [0, 1) that a uniform draw can yield.
    return std::generate_canonical<double, 53>(engine);
}

} // namespace randomsource
