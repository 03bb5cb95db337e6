// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pluginloader.h"

#include "gui/base/msgbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include <cerrno>

namespace plugins {

namespace {
void tellNotLoaded(QWidget *parent, const QString &reason)
{
    ui::warn(parent,
             QCoreApplication::translate("ui", "A part of sumtrail could not be loaded: %1")
                 .arg(reason));
}
} // namespace

QObject *instance(QWidget *parent, const char *library)
{
    // The build lays out the program and the libraries as they are installed, so the folder
    // is found from the program's own; CMake gives the path from one to the other.
    const QString path = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                         + QStringLiteral("/" SUMTRAIL_PLUGIN_FOLDER "/lib")
                                         + QLatin1String(library) + QStringLiteral(".so"));
    if (!QFileInfo::exists(path)) {
        // In the dynamic loader's words, as the user was always told; Qt's would not name
        // the file.
        tellNotLoaded(parent,
                      path + QStringLiteral(": cannot open shared object file: ")
                          + qt_error_string(ENOENT));
        return nullptr;
    }
    QPluginLoader loader(path);
    QObject *plugin = loader.instance();
    if (!plugin) {
        tellNotLoaded(parent, loader.errorString());
    }
    return plugin;
}

void reportMissingInterface(QWidget *parent, const char *library, const char *iid)
{
    tellNotLoaded(parent,
                  QCoreApplication::translate("ui", "lib%1.so does not provide %2")
                      .arg(QLatin1String(library), QLatin1String(iid)));
}

} // namespace plugins
