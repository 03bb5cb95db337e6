#pragma once

#include "linecontrol.h"

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QObject>
#include <QRect>
#include <QStaticText>
#include <QString>

class QPainter;

// Windowless controls, for labels and lines that only show: each is a named control
// with a place, a font and colours like any other, but it has no window of its own; the
// frame that holds it draws it. A window of many of them resizes and repaints as cheaply
// as its frame alone, since the toolkit keeps no repaint bookkeeping per windowless control.
// A design row marked windowless makes one (see ui::ControlSpec).
namespace ui {

class WindowlessControl : public QObject
{
    Q_OBJECT
    // Named as a widget's, so that code reading controls by property reads both alike.
    Q_PROPERTY(QRect geometry READ geometry WRITE setGeometry)
    Q_PROPERTY(QFont font READ font WRITE setFont)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
public:
    // The frame that holds and draws the control.
    QWidget *container() const { return static_cast<QWidget *>(parent()); }

    // In pixels within the container, as a widget's.
    QRect geometry() const { return m_geometry; }
    void setGeometry(const QRect &geometry);
    int x() const { return m_geometry.x(); }
    int y() const { return m_geometry.y(); }
    int width() const { return m_geometry.width(); }
    int height() const { return m_geometry.height(); }

    QFont font() const { return m_font; }
    void setFont(const QFont &font);

    // Shown when it and its container are.
    bool isVisible() const;
    void setVisible(bool visible);

    // What a screen reader calls the control and says it is for; a label without a name of
    // its own is known by its text.
    QString accessibleName() const { return m_accessibleName; }
    void setAccessibleName(const QString &name) { m_accessibleName = name; }
    QString accessibleDescription() const { return m_accessibleDescription; }
    void setAccessibleDescription(const QString &text) { m_accessibleDescription = text; }

    // Draws the control with a painter on its container.
    virtual void paint(QPainter &painter) const = 0;
    // Asks the container to draw the control's place anew.
    void update() const;

protected:
    explicit WindowlessControl(QWidget *container);

private:
    QRect m_geometry;
    QFont m_font;
    bool m_visible = true;
    QString m_accessibleName;
    QString m_accessibleDescription;
};

// Plain text in a box, aligned and optionally wrapped as a label's, on the label's own
// background colour when it has one.
class WindowlessLabel : public WindowlessControl
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    WindowlessLabel(const QString &text, QWidget *container);

    QString text() const { return m_text; }
    void setText(const QString &text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);

    // An invalid colour: the container's text colour, or no background.
    QColor foreColour() const;
    void setForeColour(const QColor &colour);
    QColor backColour() const { return m_back; }
    void setBackColour(const QColor &colour);

    void paint(QPainter &painter) const override;

private:
    QString m_text;
    mutable QStaticText m_laidOut; // the text laid out for its font: drawn without a layout
    mutable QFont m_laidOutFont;
    mutable qreal m_advance = 0; // how far the text advances, as drawText() aligns it
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_wordWrap = false;
    QColor m_fore;
    QColor m_back;
};

// A straight line placed by its two end points in twips within its container, as a
// LineControl is.
class WindowlessLine : public WindowlessControl, public LineEnds<WindowlessLine>
{
    Q_OBJECT
public:
    explicit WindowlessLine(QWidget *container);

    void paint(QPainter &painter) const override;
};

// A frame (group box) that draws the windowless controls it holds, in the order they were
// made, over its own face and under its child widgets. To a screen reader they are its
// children, after its widgets.
class FrameControl : public QGroupBox
{
    Q_OBJECT
public:
    explicit FrameControl(const QString &title, QWidget *parent = nullptr);

    QList<WindowlessControl *> windowlessControls() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The scaling and styling of a control applies to windowless ones as to widgets.
void setGeometryTwips(WindowlessControl *control, double left, double top, double width,
                      double height);
void setFontPoints(WindowlessControl *control, int points);

// Calls f with a form's control as the widget or the windowless control it is, so that one
// piece of code places and styles both.
template<class F> void withControl(QObject *control, F &&f)
{
    if (control->isWidgetType()) {
        f(static_cast<QWidget *>(control));
    } else {
        f(static_cast<WindowlessControl *>(control));
    }
}

} // namespace ui
