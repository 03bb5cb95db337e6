// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controltable.h"

#include "commandbutton.h"
#include "linecontrol.h"
#include "twips.h"
#include "windowless.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <algorithm>
#include <type_traits>

namespace ui {

QString arrayElementName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(index);
}

FormControls::FormControls(QWidget *host)
    : m_host(host)
{
}

QObject *FormControls::create(const ControlSpec &row)
{
    return make(row, QString::fromLatin1(row.name), -1, 0, 0);
}

void FormControls::createAll(std::span<const ControlSpec> rows)
{
    for (const ControlSpec &row : rows) {
        create(row);
    }
}

QObject *FormControls::createElement(const ControlSpec &row, int index, int dx, int dy)
{
    return make(row, arrayElementName(row.name, index), index, dx, dy);
}

QWidget *FormControls::adopt(const ControlSpec &row, QWidget *control)
{
    control->setParent(containerFor(row));
    return place(row, control, QString::fromLatin1(row.name), -1, 0, 0);
}

QString FormControls::translated(const char *source) const
{
    if (!source || !*source) {
        return QString();
    }
    return QCoreApplication::translate(m_host->metaObject()->className(), source);
}

QWidget *FormControls::containerFor(const ControlSpec &row) const
{
    QWidget *parent = row.container ? get<QWidget>(QString::fromLatin1(row.container)) : m_host;
    Q_ASSERT_X(parent, "FormControls", "container must be created before its controls");
    return parent;
}

QObject *FormControls::find(const QString &name) const
{
    for (QObject *control : m_controls) {
        if (control->objectName() == name) {
            return control;
        }
    }
    return nullptr;
}

// A line's ends and pen as its row gives them, moved by (dx, dy) twips.
static LineEnds lineEnds(const ControlSpec &row, int dx, int dy)
{
    LineEnds ends {.x1 = double(row.left + dx),
                   .y1 = double(row.top + dy),
                   .x2 = double(row.width + dx),
                   .y2 = double(row.height + dy),
                   .borderWidth = row.borderWidth};
    if (row.fore.isSet()) {
        ends.colour = row.fore.toColor();
    }
    return ends;
}

static Qt::Alignment horizontal(Align align)
{
    switch (align) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

QObject *FormControls::make(const ControlSpec &row, const QString &name, int index, int dx, int dy)
{
    QWidget *parent = containerFor(row);
    const QString caption = translated(row.caption);
    if (row.windowless) {
        return place(row, makeWindowless(row, caption, parent, dx, dy), name, index, dx, dy);
    }

    QWidget *w = nullptr;
    switch (row.kind) {
    case ControlKind::Button:
        w = new CommandButton(caption, parent);
        break;
    case ControlKind::Label: {
        auto *label = new QLabel(caption, parent);
        // Labels show students' names, which come from a file anyone can edit: as written,
        // never read as markup. No caption of the design is markup either.
        label->setTextFormat(Qt::PlainText);
        // Captions wrap at word boundaries and start at the top, as designed. Labels that
        // only ever show a number say so: wrapping costs every resize a text layout.
        label->setWordWrap(row.wordWrap);
        label->setAlignment(horizontal(row.align) | Qt::AlignTop);
        w = label;
        break;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(caption, parent);
        box->setAlignment(horizontal(row.align) | Qt::AlignVCenter);
        if (row.maxLength > 0) {
            box->setMaxLength(row.maxLength);
        }
        w = box;
        break;
    }
    case ControlKind::ComboBox:
        w = new QComboBox(parent);
        break;
    case ControlKind::ListBox:
        w = new QListView(parent);
        break;
    case ControlKind::Frame:
        w = new FrameControl(caption, parent);
        break;
    case ControlKind::Panel:
        w = new QWidget(parent);
        break;
    case ControlKind::Line: {
        auto *line = new LineControl(parent);
        line->setEnds(lineEnds(row, dx, dy));
        w = line;
        break;
    }
    }
    return place(row, w, name, index, dx, dy);
}

WindowlessControl *FormControls::makeWindowless(const ControlSpec &row, const QString &caption,
                                                QWidget *parent, int dx, int dy)
{
    Q_ASSERT_X(qobject_cast<FrameControl *>(parent), "FormControls",
               "a windowless control is drawn by the frame that holds it");
    Q_ASSERT_X(row.enabled && row.tabIndex < 0, "FormControls",
               "a windowless control is never disabled and takes no focus");
    if (row.kind == ControlKind::Line) {
        auto *line = new WindowlessLine(parent);
        line->setEnds(lineEnds(row, dx, dy));
        return line;
    }
    Q_ASSERT_X(row.kind == ControlKind::Label, "FormControls",
               "only labels and lines are windowless");
    auto *label = new WindowlessLabel(caption, parent);
    label->setWordWrap(row.wordWrap);
    label->setAlignment(horizontal(row.align) | Qt::AlignTop);
    if (row.fore.isSet()) {
        label->setForeColour(row.fore.toColor());
    }
    if (row.back.isSet()) {
        label->setBackColour(row.back.toColor());
    }
    return label;
}

// Names, places and styles a control, widget or windowless, and takes it into the order.
template<class C>
C *FormControls::place(const ControlSpec &row, C *w, const QString &name, int index, int dx, int dy)
{
    constexpr bool IsWidget = std::is_base_of_v<QWidget, C>;
    w->setObjectName(name);
    const auto withIndex = [index](QString text) {
        return index >= 0 && text.contains(QLatin1String("%1")) ? text.arg(index) : text;
    };
    if (row.accessibleName) {
        w->setAccessibleName(withIndex(translated(row.accessibleName)));
    }
    if (row.accessibleDescription) {
        w->setAccessibleDescription(withIndex(translated(row.accessibleDescription)));
    }
    if (row.kind != ControlKind::Line) {
        m_design.insert(w, QRect(row.left + dx, row.top + dy, row.width, row.height));
        w->setFont(fontFor(row.font));
        setGeometryTwips(w, row.left + dx, row.top + dy, row.width, row.height);
        if constexpr (IsWidget) { // a windowless control was given its colours when made
            if (row.fore.isSet()) {
                setForeColour(w, row.fore);
            }
            if (row.back.isSet()) {
                setBackColour(w, row.back);
            }
        }
    }
    if (!row.visible) {
        w->setVisible(false);
    }
    if constexpr (IsWidget) {
        w->setEnabled(row.enabled);
        if (row.tabIndex >= 0) {
            m_tabbed.append({row.tabIndex, w});
        } else if (row.kind != ControlKind::Panel && row.kind != ControlKind::Frame) {
            w->setFocusPolicy(Qt::NoFocus);
        }
    }
    m_controls.append(w);
    return w;
}

void FormControls::applyTabOrder()
{
    std::stable_sort(m_tabbed.begin(), m_tabbed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = nullptr;
    for (const auto &entry : std::as_const(m_tabbed)) {
        QWidget *w = entry.second;
        if (w->focusPolicy() == Qt::NoFocus) {
            continue; // labels carry a tab index but never take the focus
        }
        if (previous) {
            QWidget::setTabOrder(previous, w);
        } else {
            // The window opens with the focus on the first control of the tab order.
            w->setFocus();
        }
        previous = w;
    }
}

} // namespace ui
