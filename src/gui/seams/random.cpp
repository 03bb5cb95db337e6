#include "random.h"

#include "core/exercise/randomsource.h"

namespace seams {
Seam<double()> &randomDraw()
{
    static Seam<double()> seam;
    return seam;
}
} // namespace seams

namespace ui {
double randomDraw()
{
    return seams::randomDraw().callOr(&randomsource::realDraw);
}
} // namespace ui

namespace {
// The domain still draws its questions and pictures itself, through Rnd(): until it is
// handed its draws, they are routed through this seam as soon as the windows' library loads.
[[maybe_unused]] const bool routed = (randomsource::setRoute(&ui::randomDraw), true);
} // namespace
