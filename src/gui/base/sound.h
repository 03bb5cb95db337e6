#pragma once

#include <functional>

// The system beep. Tests count beeps through a hook instead of hearing them.
namespace ui {

void Beep();
// An empty function brings the real beep back.
void setBeepHook(std::function<void()> hook);

} // namespace ui
