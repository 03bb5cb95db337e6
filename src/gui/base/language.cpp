// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ui {

Language::Language(const QLocale &locale)
{
    // Qt's first, so that the program's own texts are looked up before them.
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
    }
    if (m_own.load(locale, QStringLiteral("sumtrail"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        m_ownInstalled = QCoreApplication::installTranslator(&m_own);
    }
}

Language::~Language()
{
    if (m_ownInstalled) {
        QCoreApplication::removeTranslator(&m_own);
    }
    if (m_qtInstalled) {
        QCoreApplication::removeTranslator(&m_qt);
    }
}

} // namespace ui
