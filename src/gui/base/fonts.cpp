// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QWidget>

namespace ui {

void installFontSubstitutes()
{
    static const bool installed = [] {
        // fontconfig already aliases the metric-compatible Liberation faces, but saying it
        // here keeps the layout the same on a machine with a different fontconfig set-up.
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Times"), QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
        // The old bitmap dialog face has no alias of its own.
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        // Symbol and picture fonts are drawn from their Unicode equivalents in Symbola.
        QFont::insertSubstitution(QStringLiteral("Symbol"), QStringLiteral("Symbola"));
        QFont::insertSubstitution(QStringLiteral("Wingdings"), QStringLiteral("Symbola"));
        return true;
    }();
    Q_UNUSED(installed);
}

QFont fontFor(const FontSpec &design)
{
    installFontSubstitutes();
    QFont font(QString::fromLatin1(design.family));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

void setFontPoints(QWidget *w, int points)
{
    // Most steps of a drag keep the size: a font change would re-lay the control out.
    if (w->font().pointSizeF() == points) {
        return;
    }
    QFont font = w->font();
    font.setPointSize(points);
    w->setFont(font);
}

} // namespace ui
