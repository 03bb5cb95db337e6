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
} // namespace ui

// A straight line placed by its two end points in twips within its container. It is a
// widget of its own so that it takes part in the window's list of controls, but it
// never takes the mouse or the focus. A design row marked windowless makes a
// ui::WindowlessLine instead, drawn by its frame.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    explicit LineControl(QWidget *parent = nullptr);

    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }
    void setX1(double twips);
    void setY1(double twips);
    void setX2(double twips);
    void setY2(double twips);
    void setEnds(double x1, double y1, double x2, double y2);

    // In pixels, as the toolkit draws it.
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    int m_borderWidth = 1;
    QColor m_colour = Qt::black;
};
