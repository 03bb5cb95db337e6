#pragma once

#include <QtPlugin>

// The print window and printing, a plug-in with Qt Print Support that the main menu loads
// when the window is first opened (see pluginloader.h).
class PrintMenuInterface
{
public:
    static constexpr char Library[] = "sumtrail_print";

    virtual ~PrintMenuInterface() = default;
    // Shows the print window.
    virtual void openPrintMenu() = 0;
};

#define PrintMenuInterface_iid "org.example.sumtrail.PrintMenuInterface/1.0"
Q_DECLARE_INTERFACE(PrintMenuInterface, PrintMenuInterface_iid)
