#include "printplugin.h"

#include "printing.h"
#include "printwindow.h"

Form *PrintPlugin::createPrintWindow()
{
    return new PrintWindow();
}

void PrintPlugin::printOrSavePdf(QWidget *parent, const printing::Document &document,
                                 const printing::Page &page)
{
    printing::printOrSavePdf(parent, document, page);
}
