// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include <QDir>

Session::Session(QObject *parent)
    : QObject(parent)
    , m_dataFolder(QDir::currentPath())
{
}
