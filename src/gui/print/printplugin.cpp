#include "printplugin.h"

#include "gui/base/windows.h"
#include "printwindow.h"

void PrintPlugin::openPrintMenu()
{
    Windows::load<PrintWindow>()->show();
}
