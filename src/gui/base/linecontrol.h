#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace ui {
// Where a line from (x1, y1) to (x2, y2) twips falls in whole pixels: the box its pen
// covers, widened by the pen on every side, and the line itself drawn as the toolkit does.
QRect lineBounds(double x1, double y1, double x2, double y2, int borderWidth);
void drawLine(QPainter &painter, double x1, double y1, double x2, double y2, int borderWidth,
              const QColor &colour);

// The two ends of a straight line in twips within its container, and its pen, for a control
// class `Control` that covers the box its pen covers: the line widget and the windowless
// line alike.
template<class Control> class LineEnds
{
public:
    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }
    void setEnds(double x1, double y1, double x2, double y2)
    {
        m_x1 = x1;
        m_y1 = y1;
        m_x2 = x2;
        m_y2 = y2;
        place();
    }

    // In pixels, as the toolkit draws it.
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels)
    {
        m_borderWidth = qMax(1, pixels);
        place();
    }

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour)
    {
        m_colour = colour;
        control().update();
    }

protected:
    // The control covers the line's bounding box, widened by the pen on every side.
    void place()
    {
        control().setGeometry(lineBounds(m_x1, m_y1, m_x2, m_y2, m_borderWidth));
        control().update();
    }
    // In the container's pixels.
    void drawLine(QPainter &painter) const
    {
        ui::drawLine(painter, m_x1, m_y1, m_x2, m_y2, m_borderWidth, m_colour);
    }

private:
    Control &control() { return static_cast<Control &>(*this); }

    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    int m_borderWidth = 1;
    QColor m_colour = Qt::black;
};
} // namespace ui

// A straight line placed by its two end points in twips within its container. It is a
// widget of its own so that it takes part in the window's list of controls, but it
// never takes the mouse or the focus. A design row marked windowless makes a
// ui::WindowlessLine instead, drawn by its frame.
class LineControl : public QWidget, public ui::LineEnds<LineControl>
{
    Q_OBJECT
public:
    explicit LineControl(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
