#include "beep.h"

#include <QApplication>

namespace seams {
Seam<void()> &beep()
{
    static Seam<void()> seam;
    return seam;
}
} // namespace seams

namespace ui {
void beep()
{
    seams::beep().callOr(&QApplication::beep);
}
} // namespace ui
