#include "recordingsurface.h"

double RecordingSurface::widthOf(const QString &text, double points)
{
    return text.size() * points * 20 * WidthEm;
}

double RecordingSurface::textWidth(const QString &text) const
{
    return widthOf(text, m_points);
}

void RecordingSurface::print(const QString &text)
{
    m_printed.append({text, m_x, m_y, m_font, m_points, false});
    m_x += textWidth(text);
}

void RecordingSurface::printLine(const QString &text)
{
    m_printed.append({text, m_x, m_y, m_font, m_points, true});
    m_x = 0;
    m_y += lineHeightOf(m_points);
}

QList<RecordingSurface::Printed> RecordingSurface::withText(const QString &text) const
{
    QList<Printed> result;
    for (const Printed &p : m_printed) {
        if (p.text == text) {
            result.append(p);
        }
    }
    return result;
}
