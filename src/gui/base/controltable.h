// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fonts.h"
#include "theme.h"

#include <QHash>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <span>

class LineControl;

namespace ui {
class WindowlessControl;

enum class ControlKind { Button, Label, TextBox, ComboBox, ListBox, Frame, Panel, Line };
enum class Align { Left, Right, Centre };

// One row of a window's design table. Each window declares its table at the top of its .cpp
// file. The `name` is the control's objectName, as the design has it ("Command1", "Text1(3)"
// for element 3 of an array): tests, the scaling and the tables find controls by it, so it
// never changes; the window's C++ names for the same controls say their role
// (m_startExercise). Positions are Left, Top, Width, Height in twips
// within the container; a line gives X1, Y1, X2, Y2 instead. The caption and the accessible
// texts are English source texts, translated in the window's class context; in an element
// of a control array "%1" in the accessible texts stands for the element's index.
struct ControlSpec
{
    const char *name = "";
    ControlKind kind = ControlKind::Label;
    const char *caption = "";
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    FontSpec font {};
    Rgb fore {};
    Rgb back {};
    const char *container = nullptr; // name of the frame that holds it, if any
    int tabIndex = -1; // -1: takes no focus
    Align align = Align::Left;
    bool enabled = true;
    bool visible = true;
    int maxLength = 0; // text boxes; 0 is no limit
    int borderWidth = 1; // lines, in pixels
    bool wordWrap = true; // labels: a caption wraps at word boundaries
    // Labels and lines in a frame: drawn by the frame, with no window of their own (see
    // windowless.h). Such a label never takes the focus. Every label shows plain text.
    bool windowless = false;
    const char *accessibleName = nullptr; // what a screen reader calls the control
    const char *accessibleDescription = nullptr; // what it is for
};

// Creates a window's controls from its design table, in order, and remembers that order:
// proportional scaling walks the controls in creation order, each element of a control
// array counted as a control of its own and the controls inside frames included. A control
// is a widget or, for a row marked windowless, a ui::WindowlessControl drawn by its frame.
class FormControls
{
public:
    // Texts are translated in the context of the host's class, as its tr() does.
    explicit FormControls(QWidget *host);

    QObject *create(const ControlSpec &row);
    // Every row of a design table, in order.
    void createAll(std::span<const ControlSpec> rows);
    // One element of a control array: named "Name(index)" and moved by (dx, dy) twips.
    QObject *createElement(const ControlSpec &row, int index, int dx = 0, int dy = 0);
    // A control of a class of the window's own, made by the window: it takes its place in
    // the creation order and is named, placed and styled from its row like the others.
    QWidget *adopt(const ControlSpec &row, QWidget *control);

    const QList<QObject *> &inCreationOrder() const { return m_controls; }

    // Where a control was designed, in twips within its container: more exact than its
    // place in whole pixels. Lines are placed by their ends instead.
    QRect designTwips(const QObject *control) const { return m_design.value(control); }

    QObject *find(const QString &name) const;
    template<class T> T *get(const QString &name) const { return qobject_cast<T *>(find(name)); }

    // Chains the focus through the controls by their tab index, the first one holding it;
    // the rest take no focus.
    void applyTabOrder();

private:
    QObject *make(const ControlSpec &row, const QString &name, int index, int dx, int dy);
    WindowlessControl *makeWindowless(const ControlSpec &row, const QString &caption,
                                      QWidget *parent, int dx, int dy);
    QString translated(const char *source) const;
    QWidget *containerFor(const ControlSpec &row) const;
    template<class C>
    C *place(const ControlSpec &row, C *control, const QString &name, int index, int dx, int dy);

    QWidget *m_host;
    QList<QObject *> m_controls;
    QList<QPair<int, QWidget *>> m_tabbed;
    QHash<const QObject *, QRect> m_design;
};

// The elements of a control array, indexed from the array's own lower bound.
template<class T> class ControlArray
{
public:
    explicit ControlArray(int lowerBound = 1)
        : m_lower(lowerBound)
    {
    }
    void append(QObject *control) { m_items.append(qobject_cast<T *>(control)); }
    T *operator[](int index) const { return m_items.at(index - m_lower); }
    int lowerBound() const { return m_lower; }
    int upperBound() const { return m_lower + int(m_items.size()) - 1; }
    int size() const { return int(m_items.size()); }

private:
    int m_lower;
    QList<T *> m_items;
};

QString arrayElementName(const char *name, int index);

} // namespace ui
