#pragma once

#include "gui/plugins/printmenuinterface.h"

#include <QObject>

// The print library as a plug-in: what the main menu asks of it when Print is pressed.
class PrintPlugin : public QObject, public PrintMenuInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PrintMenuInterface_iid)
    Q_INTERFACES(PrintMenuInterface)

public:
    void openPrintMenu() override;
};
