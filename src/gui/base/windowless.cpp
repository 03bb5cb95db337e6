// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowless.h"

#include "fonts.h"
#include "paintbands.h"
#include "twips.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace ui {

namespace {

// A windowless control as a screen reader sees it: a child of its frame, read as the QLabel
// it stands for (known by its name, else its text), a line as a picture.
class WindowlessAccessible : public QAccessibleObject
{
public:
    explicit WindowlessAccessible(WindowlessControl *control)
        : QAccessibleObject(control)
    {
    }

    QWindow *window() const override { return control()->container()->window()->windowHandle(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(control()->container());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = qobject_cast<const WindowlessLabel *>(control());
        const QString shown = label ? label->text() : QString();
        switch (t) {
        case QAccessible::Description:
            return control()->accessibleDescription();
        case QAccessible::Value:
            return shown;
        case QAccessible::Name:
            return control()->accessibleName().isEmpty() ? shown : control()->accessibleName();
        default:
            return {};
        }
    }
    QRect rect() const override
    {
        const QRect r = control()->geometry();
        return QRect(control()->container()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return qobject_cast<const WindowlessLabel *>(control()) ? QAccessible::StaticText
                                                                : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !control()->isVisible();
        return s;
    }

private:
    WindowlessControl *control() const { return static_cast<WindowlessControl *>(object()); }
};

// A frame that draws windowless controls lists them after its widgets.
class FrameAccessible : public QAccessibleWidget
{
public:
    explicit FrameAccessible(FrameControl *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    {
    }

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + int(drawn().size());
    }
    QAccessibleInterface *child(int index) const override
    {
        const int at = index - QAccessibleWidget::childCount();
        if (at < 0) {
            return QAccessibleWidget::child(index);
        }
        const QList<WindowlessControl *> controls = drawn();
        return at < controls.size() ? QAccessible::queryAccessibleInterface(controls.at(at))
                                    : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        auto *control = qobject_cast<WindowlessControl *>(child ? child->object() : nullptr);
        if (!control) {
            return QAccessibleWidget::indexOfChild(child);
        }
        const int at = int(drawn().indexOf(control));
        return at < 0 ? -1 : QAccessibleWidget::childCount() + at;
    }
    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? frame()->title() : text;
    }

private:
    FrameControl *frame() const { return static_cast<FrameControl *>(widget()); }
    QList<WindowlessControl *> drawn() const { return frame()->windowlessControls(); }
};

QAccessibleInterface *accessibleFactory(const QString &key, QObject *object)
{
    if (auto *control = qobject_cast<WindowlessControl *>(object)) {
        return new WindowlessAccessible(control);
    }
    auto *frame = qobject_cast<FrameControl *>(object);
    if (frame && key == QLatin1String(FrameControl::staticMetaObject.className())) {
        return new FrameAccessible(frame);
    }
    return nullptr;
}

// Before any frame is asked for its interface, which is then kept for the frame's life.
void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

// ---- WindowlessControl

WindowlessControl::WindowlessControl(QWidget *container)
    : QObject(container)
    , m_font(container->font())
{
    installAccessibleFactory();
}

void WindowlessControl::setGeometry(const QRect &geometry)
{
    if (geometry != m_geometry) {
        update();
        m_geometry = geometry;
        update();
    }
}

void WindowlessControl::setFont(const QFont &font)
{
    // Resolved against the container's font, as a widget's font is against its parent's.
    const QFont resolved = font.resolve(container()->font());
    if (resolved != m_font) {
        m_font = resolved;
        update();
    }
}

void WindowlessControl::setVisible(bool visible)
{
    if (visible != m_visible) {
        m_visible = visible;
        container()->update(m_geometry);
    }
}

void WindowlessControl::update() const
{
    if (m_visible) {
        container()->update(m_geometry);
    }
}

// ---- WindowlessLabel

WindowlessLabel::WindowlessLabel(const QString &text, QWidget *container)
    : WindowlessControl(container)
    , m_text(text)
{
}

void WindowlessLabel::setText(const QString &text)
{
    if (text != m_text) {
        m_text = text;
        update();
        if (QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void WindowlessLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void WindowlessLabel::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    update();
}

void WindowlessLabel::setForeColour(const QColor &colour)
{
    m_fore = colour;
    update();
}

void WindowlessLabel::setBackColour(const QColor &colour)
{
    m_back = colour;
    update();
}

// As a label draws plain text: the background, then the text within the box, clipped to it.
void WindowlessLabel::paint(QPainter &painter) const
{
    if (m_back.isValid()) {
        painter.fillRect(geometry(), m_back);
    }
    if (m_text.isEmpty()) {
        return;
    }
    const QWidget *c = container();
    const QPalette::ColorGroup group = !c->isEnabled() ? QPalette::Disabled
        : c->isActiveWindow()                          ? QPalette::Active
                                                       : QPalette::Inactive;
    painter.setFont(font());
    painter.setPen(m_fore.isValid() ? m_fore : c->palette().color(group, QPalette::WindowText));
    const QRect box = geometry();
    // A wrapped or lower text, or any on a screen of more than one device pixel to the pixel,
    // as drawText() places it.
    if (m_wordWrap || (m_alignment & (Qt::AlignBottom | Qt::AlignVCenter))
        || painter.device()->devicePixelRatio() != 1) {
        const int flags
            = int(m_alignment) | Qt::TextForceLeftToRight | (m_wordWrap ? Qt::TextWordWrap : 0);
        painter.drawText(box, flags, m_text);
        return;
    }
    // One line at the top, laid out once for its font and put where drawText() puts it: a
    // tenth of a resize less for a window of a hundred labels.
    if (m_laidOut.text() != m_text || m_laidOutFont != font()) {
        m_laidOut.setText(m_text);
        m_laidOut.setTextFormat(Qt::PlainText);
        m_laidOut.prepare(QTransform(), font());
        m_laidOutFont = font();
        m_advance = QFontMetricsF(font()).horizontalAdvance(m_text);
    }
    qreal x = box.x();
    if (m_alignment & Qt::AlignRight) {
        x += box.width() - m_advance;
    } else if (m_alignment & Qt::AlignHCenter) {
        x += (box.width() - m_advance) / 2;
    }
    // Cut at the box, as drawText() cuts it.
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawStaticText(QPointF(x, box.y()), m_laidOut);
    painter.restore();
}

// ---- WindowlessLine

WindowlessLine::WindowlessLine(QWidget *container)
    : WindowlessControl(container)
{
    setGeometry(m_ends.bounds());
}

void WindowlessLine::setEnds(const LineEnds &ends)
{
    m_ends = ends;
    setGeometry(m_ends.bounds());
    update();
}

void WindowlessLine::paint(QPainter &painter) const
{
    m_ends.draw(painter);
}

// ---- FrameControl

FrameControl::FrameControl(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{
    installAccessibleFactory();
}

QList<WindowlessControl *> FrameControl::windowlessControls() const
{
    return findChildren<WindowlessControl *>(Qt::FindDirectChildrenOnly);
}

void FrameControl::paintEvent(QPaintEvent *event)
{
    const QRect exposed = event->rect();
    QStylePainter painter(this);
    // The face as QGroupBox draws it, then the windowless controls over it.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    paintInBands(painter, exposed,
                 [&] { painter.drawComplexControl(QStyle::CC_GroupBox, option); });
    for (QObject *child : children()) {
        auto *control = qobject_cast<WindowlessControl *>(child);
        if (control && control->isVisible() && control->geometry().intersects(exposed)) {
            control->paint(painter);
        }
    }
}

// ---- Placing and styling any control

QFont fontOf(const QObject *control)
{
    return control->isWidgetType() ? static_cast<const QWidget *>(control)->font()
                                   : static_cast<const WindowlessControl *>(control)->font();
}

void setFontPoints(QObject *control, int points)
{
    if (control->isWidgetType()) {
        setFontPoints(static_cast<QWidget *>(control), points);
        return;
    }
    auto *windowless = static_cast<WindowlessControl *>(control);
    if (windowless->font().pointSizeF() != points) {
        QFont font = windowless->font();
        font.setPointSize(points);
        windowless->setFont(font);
    }
}

void setGeometryTwips(QObject *control, double left, double top, double width, double height)
{
    if (control->isWidgetType()) {
        setGeometryTwips(static_cast<QWidget *>(control), left, top, width, height);
    } else {
        static_cast<WindowlessControl *>(control)->setGeometry(twipsRect(left, top, width, height));
    }
}

std::optional<LineEnds> lineEndsOf(const QObject *control)
{
    if (const auto *line = qobject_cast<const LineControl *>(control)) {
        return line->ends();
    }
    if (const auto *line = qobject_cast<const WindowlessLine *>(control)) {
        return line->ends();
    }
    return std::nullopt;
}

void setLineEnds(QObject *control, const LineEnds &ends)
{
    if (auto *line = qobject_cast<LineControl *>(control)) {
        line->setEnds(ends);
    } else if (auto *line = qobject_cast<WindowlessLine *>(control)) {
        line->setEnds(ends);
    }
}

} // namespace ui
