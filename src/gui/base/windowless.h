// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linecontrol.h"

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QObject>
#include <QRect>
#include <QStaticText>
#include <QString>

#include <optional>

class QPainter;

// Windowless controls, for labels and lines that only show: each is a named control with a
// place, a font and colours like any other, but no window of its own; the frame that holds
// it draws it. A window of many of them resizes and repaints as cheaply as its frame alone,
// since the toolkit keeps no repaint bookkeeping per windowless control. A design row marked
// windowless makes one (see ui::ControlSpec); the functions at the end place and style a
// form's controls, widgets or windowless, alike.
namespace ui {

class WindowlessControl : public QObject
{
    Q_OBJECT
public:
    // The frame that holds and draws the control.
    QWidget *container() const { return static_cast<QWidget *>(parent()); }

    // In pixels within the container, as a widget's.
    QRect geometry() const { return m_geometry; }
    void setGeometry(const QRect &geometry);

    QFont font() const { return m_font; }
    void setFont(const QFont &font);

    // Shown when it and its container are.
    bool isVisible() const { return m_visible && container()->isVisible(); }
    void setVisible(bool visible);

    // What a screen reader calls the control and says it is for; a label without a name of
    // its own is known by its text.
    QString accessibleName() const { return m_accessibleName; }
    void setAccessibleName(const QString &name) { m_accessibleName = name; }
    QString accessibleDescription() const { return m_accessibleDescription; }
    void setAccessibleDescription(const QString &text) { m_accessibleDescription = text; }

    // Draws the control with a painter on its container, within its geometry.
    virtual void paint(QPainter &painter) const = 0;

protected:
    explicit WindowlessControl(QWidget *container);
    // Asks the container to draw the control's place anew.
    void update() const;

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
    Q_PROPERTY(QString text READ text WRITE setText) // read alike from a QLabel
public:
    WindowlessLabel(const QString &text, QWidget *container);

    QString text() const { return m_text; }
    void setText(const QString &text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);
    // Unset (invalid): the container's text colour, and no background.
    void setForeColour(const QColor &colour);
    void setBackColour(const QColor &colour);

    void paint(QPainter &painter) const override;

private:
    QString m_text;
    mutable QStaticText m_laidOut; // the text laid out for m_laidOutFont
    mutable QFont m_laidOutFont;
    mutable qreal m_advance = 0; // how far the text advances, as drawText() aligns it
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_wordWrap = false;
    QColor m_fore;
    QColor m_back;
};

// A straight line, as a LineControl shows it.
class WindowlessLine : public WindowlessControl
{
    Q_OBJECT
public:
    explicit WindowlessLine(QWidget *container);

    const LineEnds &ends() const { return m_ends; }
    void setEnds(const LineEnds &ends);

    void paint(QPainter &painter) const override;

private:
    LineEnds m_ends;
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

// A form's control, a widget or a windowless one, as the layouts place and style it.
QFont fontOf(const QObject *control);
void setFontPoints(QObject *control, int points);
void setGeometryTwips(QObject *control, double left, double top, double width, double height);
// A line's ends, widget or windowless; a control that is no line has none.
std::optional<LineEnds> lineEndsOf(const QObject *control);
void setLineEnds(QObject *control, const LineEnds &ends);

} // namespace ui
