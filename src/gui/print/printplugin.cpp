#include "printplugin.h"

#include "printwindow.h"

Form *PrintPlugin::createPrintWindow()
{
    return new PrintWindow();
}
