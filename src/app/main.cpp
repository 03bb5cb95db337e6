#include "menu/mainportal.h"
#include "records/filesizelimit.h"
#include "ui/fonts.h"
#include "ui/startupprobe.h"
#include "ui/windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    filesizelimit::failWritesPastTheLimit();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sumtrail"));
    // The main menu decides when the program ends: closing it unloads every window.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFontSubstitutes();

    MainPortal *menu = Windows::load<MainPortal>();
    QObject::connect(menu, &QObject::destroyed, &app, &QCoreApplication::quit);
    ui::StartupProbe::watch(menu);
    menu->show();
    return app.exec();
}
