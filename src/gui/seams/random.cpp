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
