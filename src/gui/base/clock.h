#pragma once

#include <QDateTime>

#include <functional>

// The current local date and time. Tests set their own clock to move time at will.
namespace ui {

QDateTime now();
// An empty function brings the system clock back.
void setClock(std::function<QDateTime()> clock);

} // namespace ui
