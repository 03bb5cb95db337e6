#pragma once

#include <QtGlobal>

class QWidget;

// Printing and the progress chart need large Qt libraries (Print Support, Charts) that the
// main menu does not. They are libraries of their own beside the program's core library,
// loaded the first time they are used, so that start-up does not map them.
namespace ui {

// The entry point named `entry` of the program's library `library` (for example
// "sumtrail_print"), loading the library if it is not loaded yet. Null, after telling the
// user why, when the library or its entry point cannot be found.
QFunctionPointer onDemandEntry(QWidget *parent, const char *library, const char *entry);

} // namespace ui
