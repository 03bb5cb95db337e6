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

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(-geometry().topLeft()); // the ends are in the container's pixels
    drawLine(painter);
}
