#include "linecontrol.h"

#include "twips.h"

#include <QPainter>
#include <QPen>

LineControl::LineControl(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    place();
}

void LineControl::setX1(double twips)
{
    m_x1 = twips;
    place();
}

void LineControl::setY1(double twips)
{
    m_y1 = twips;
    place();
}

void LineControl::setX2(double twips)
{
    m_x2 = twips;
    place();
}

void LineControl::setY2(double twips)
{
    m_y2 = twips;
    place();
}

void LineControl::setEnds(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    place();
}

void LineControl::setBorderWidth(int pixels)
{
    m_borderWidth = qMax(1, pixels);
    place();
}

void LineControl::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

// The widget covers the line's bounding box, widened by the pen on every side.
void LineControl::place()
{
    const int ax = ui::twipsToPixels(m_x1);
    const int ay = ui::twipsToPixels(m_y1);
    const int bx = ui::twipsToPixels(m_x2);
    const int by = ui::twipsToPixels(m_y2);
    const int pad = m_borderWidth;
    setGeometry(QRect(QPoint(qMin(ax, bx) - pad, qMin(ay, by) - pad),
                      QPoint(qMax(ax, bx) + pad, qMax(ay, by) + pad)));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_borderWidth, Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = geometry().topLeft();
    painter.drawLine(QPoint(ui::twipsToPixels(m_x1), ui::twipsToPixels(m_y1)) - origin,
                     QPoint(ui::twipsToPixels(m_x2), ui::twipsToPixels(m_y2)) - origin);
}
