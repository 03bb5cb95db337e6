// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/print/printsurface.h"

#include <QStringList>

// A printer surface that remembers what was printed where, for tests. Its font metrics
// are simple and known: every character is 0.55625 em wide and a line is 1.15 em high.
class RecordingSurface : public PrintSurface
{
public:
    // A 20-point digit is 222.5 twips wide, so that rounding shows.
    static double widthOf(const QString &text, double points)
    {
        return text.size() * points * 11.125;
    }
    static double lineHeightOf(double points) { return points * 23; }
    // One printed text as printed() lists it.
    static QString entry(const QString &text, double x, double y, double points)
    {
        return QStringLiteral("\"%1\" at (%2, %3) Arial %4 pt").arg(text).arg(x).arg(y).arg(points);
    }

    void setFontName(const QString &family) override { m_arial = family == "Arial"; }
    void setFontSize(double points) override { m_points = points; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }
    double textWidth(const QString &text) const override { return widthOf(text, m_points); }
    void print(const QString &text) override
    {
        m_printed.append(m_arial ? entry(text, m_x, m_y, m_points) : "not in Arial: " + text);
        m_x += textWidth(text);
    }
    void printLine(const QString &text) override
    {
        print(text);
        m_printed.append(QStringLiteral("line ends"));
        m_x = 0;
        m_y += lineHeightOf(m_points);
    }
    void endDoc() override { m_printed.append(QStringLiteral("end of document")); }

    // Every text in the order printed, and the end of the document.
    const QStringList &printed() const { return m_printed; }

private:
    bool m_arial = false;
    double m_points = 12;
    double m_x = 0;
    double m_y = 0;
    QStringList m_printed;
};
