// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// Printing and the progress chart need large Qt libraries (Print Support, Charts) that the
// main menu does not. They are Qt plug-ins in the program's library folder, loaded the first
// time they are used, so that start-up does not map them; each stays loaded for the rest of
// the run, and one linked in already (as by the tests) is found, not loaded twice.
namespace plugins {

// The instance of the program's plug-in `library` (for example "sumtrail_print"). Null,
// after telling the user why, when it cannot be loaded.
QObject *instance(QWidget *parent, const char *library);
// Tells the user that the plug-in `library` lacks the interface `iid`.
void reportMissingInterface(QWidget *parent, const char *library, const char *iid);

// The plug-in of an interface declared with Q_DECLARE_INTERFACE and naming its Library.
template<typename Interface> Interface *load(QWidget *parent)
{
    QObject *plugin = instance(parent, Interface::Library);
    if (!plugin) {
        return nullptr;
    }
    auto *found = qobject_cast<Interface *>(plugin);
    if (!found) {
        reportMissingInterface(parent, Interface::Library, qobject_interface_iid<Interface *>());
    }
    return found;
}

} // namespace plugins
