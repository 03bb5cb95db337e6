// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/filesizelimit.h"
#include "core/records/session.h"
#include "gui/base/fonts.h"
#include "gui/base/language.h"
#include "gui/base/startupprobe.h"
#include "gui/menu/mainmenu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    filesizelimit::failWritesPastTheLimit();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sumtrail"));
    // The main menu decides when the program ends: closing it closes every window.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFontSubstitutes();
    // The system's language where there is a translation of it, English otherwise.
    const ui::Language language;

    Session session;
    auto *menu = new MainMenu(session);
    QObject::connect(menu, &QObject::destroyed, &app, &QCoreApplication::quit);
    ui::StartupProbe::watch(menu);
    menu->show();
    return app.exec();
}
