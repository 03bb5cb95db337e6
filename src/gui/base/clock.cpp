#include "clock.h"

namespace ui {

namespace {
std::function<QDateTime()> &clockFunction()
{
    static std::function<QDateTime()> f;
    return f;
}
} // namespace

QDateTime now()
{
    return clockFunction() ? clockFunction()() : QDateTime::currentDateTime();
}

void setClock(std::function<QDateTime()> clock)
{
    clockFunction() = std::move(clock);
}

} // namespace ui
