// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QTranslator>

namespace ui {

// The program's texts, and Qt's own (the buttons of message boxes), in the language of a
// locale, for as long as this object lives. The program's translations are built into the
// windows library (:/i18n); Qt's come from its translations folder where they are installed.
// English, the language of the code's texts, needs neither and is what is left when a
// language has no translation.
class Language
{
public:
    explicit Language(const QLocale &locale = QLocale::system());
    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

    // Whether the program's own texts are translated for this locale.
    bool translated() const { return m_ownInstalled; }

private:
    QTranslator m_qt;
    QTranslator m_own;
    bool m_qtInstalled = false;
    bool m_ownInstalled = false;
};

} // namespace ui
