// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the start-up benchmark: the least a Qt Widgets program does to show one
// window of the main menu's size with a dozen buttons. Built by the same build as the
// program, linking Qt Widgets only.

#include "gui/base/startupprobe.h"

#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int width = args.value(1, QStringLiteral("800")).toInt();
    const int height = args.value(2, QStringLiteral("574")).toInt();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *grid = new QGridLayout(&window);
    for (int i = 0; i < 12; ++i) {
        grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1)), i / 3, i % 3);
    }
    window.resize(width, height);
    ui::StartupProbe::watch(&window);
    window.show();
    return app.exec();
}
