#pragma once

#include "print/printsurface.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <iterator>

// A printer surface that remembers what was printed where, for tests. Its font metrics
// are simple and known: every character is WidthEm wide and a line is LineEm high.
class RecordingSurface : public PrintSurface
{
public:
    // 0.55625 em makes a 20-point digit 222.5 twips wide, so that rounding shows.
    static constexpr double WidthEm = 0.55625;
    static constexpr double LineEm = 1.15;
    static double widthOf(const QString &text, double points)
    {
        return text.size() * points * 20 * WidthEm;
    }
    static double lineHeightOf(double points) { return points * 20 * LineEm; }

    struct Printed
    {
        QString text;
        double x = 0;
        double y = 0;
        QString font;
        double points = 0;
        bool endsLine = false;
        bool operator==(const Printed &) const = default;
    };

    void setFontName(const QString &family) override { m_font = family; }
    void setFontSize(double points) override { m_points = points; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }
    double textWidth(const QString &text) const override { return widthOf(text, m_points); }
    void print(const QString &text) override
    {
        m_printed.append({text, m_x, m_y, m_font, m_points, false});
        m_x += textWidth(text);
    }
    void printLine(const QString &text) override
    {
        m_printed.append({text, m_x, m_y, m_font, m_points, true});
        m_x = 0;
        m_y += lineHeightOf(m_points);
    }
    void endDoc() override { ++m_documentsEnded; }

    const QList<Printed> &printed() const { return m_printed; }
    int documentsEnded() const { return m_documentsEnded; }
    // What was printed with this text, in order.
    QList<Printed> withText(const QString &text) const
    {
        QList<Printed> found;
        std::copy_if(m_printed.begin(), m_printed.end(), std::back_inserter(found),
                     [&](const Printed &p) { return p.text == text; });
        return found;
    }

private:
    QString m_font;
    double m_points = 12;
    double m_x = 0;
    double m_y = 0;
    QList<Printed> m_printed;
    int m_documentsEnded = 0;
};
