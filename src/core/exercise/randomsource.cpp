#include "randomsource.h"

#include <chrono>
#include <random>

namespace {
struct Source
{
    std::mt19937_64 engine;
    bool seeded = false;
    randomsource::Route route = nullptr;
};

Source &source()
{
    static Source s;
    return s;
}
} // namespace

void Randomize()
{
    Source &s = source();
    if (!s.seeded) {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        std::seed_seq seed {static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32),
                            static_cast<unsigned>(std::random_device {}())};
        s.engine.seed(seed);
        s.seeded = true;
    }
}

double Rnd()
{
    const randomsource::Route route = source().route;
    return route ? route() : randomsource::realDraw();
}

namespace randomsource {

double realDraw()
{
    Randomize();
    // 53 random bits give every double in [0, 1) that a uniform draw can yield.
    return std::generate_canonical<double, 53>(source().engine);
}

Route setRoute(Route route)
{
    Route previous = source().route;
    source().route = route;
    return previous;
}

} // namespace randomsource
