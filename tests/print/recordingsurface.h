#pragma once

#include "print/printsurface.h"

#include <QList>
#include <QString>

// A printer surface that remembers what was printed where, for tests. Its font metrics
// are simple and known: every character is Width em wide and a line is LineEm em high.
class RecordingSurface : public PrintSurface
{
public:
    // 0.55625 em makes a 20-point digit 222.5 twips wide, so that rounding shows.
    static constexpr double WidthEm = 0.55625;
    static constexpr double LineEm = 1.15;

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
    double textWidth(const QString &text) const override;
    void print(const QString &text) override;
    void printLine(const QString &text) override;
    void endDoc() override { ++m_documentsEnded; }

    const QList<Printed> &printed() const { return m_printed; }
    int documentsEnded() const { return m_documentsEnded; }
    // What was printed with this text, in order.
    QList<Printed> withText(const QString &text) const;

    static double widthOf(const QString &text, double points);
    static double lineHeightOf(double points) { return points * 20 * LineEm; }

private:
    QString m_font;
    double m_points = 12;
    double m_x = 0;
    double m_y = 0;
    QList<Printed> m_printed;
    int m_documentsEnded = 0;
};
