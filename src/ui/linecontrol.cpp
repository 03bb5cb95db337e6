#include "linecontrol.h"

#include "twips.h"

#include <QPainter>
#include <QPen>

namespace ui {

QRect lineBounds(double x1, double y1, double x2, double y2, int borderWidth)
{
    const int ax = twipsToPixels(x1);
    const int ay = twipsToPixels(y1);
    const int bx = twipsToPixels(x2);
    const int by = twipsToPixels(y2);
    return QRect(QPoint(qMin(ax, bx) - borderWidth, qMin(ay, by) - borderWidth),
                 QPoint(qMax(ax, bx) + borderWidth, qMax(ay, by) + borderWidth));
}

void drawLine(QPainter &painter, double x1, double y1, double x2, double y2, int borderWidth,
              const QColor &colour)
{
    painter.setPen(QPen(colour, borderWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPoint(twipsToPixels(x1), twipsToPixels(y1)),
                     QPoint(twipsToPixels(x2), twipsToPixels(y2)));
}

} // namespace ui

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
    setGeometry(ui::lineBounds(m_x1, m_y1, m_x2, m_y2, m_borderWidth));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(-geometry().topLeft()); // the ends are in the container's pixels
    ui::drawLine(painter, m_x1, m_y1, m_x2, m_y2, m_borderWidth, m_colour);
}
