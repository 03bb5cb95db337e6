#include "windowless.h"

#include "linecontrol.h"
#include "paintbands.h"
#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace ui {

namespace {

// A windowless control as a screen reader sees it: a child of its frame, named by its
// accessible name or, for a label, its text.
class WindowlessAccessible : public QAccessibleInterface
{
public:
    explicit WindowlessAccessible(WindowlessControl *control)
        : m_control(control)
    {
    }

    bool isValid() const override { return m_control; }
    QObject *object() const override { return m_control; }
    QWindow *window() const override
    {
        return m_control ? m_control->container()->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_control ? QAccessible::queryAccessibleInterface(m_control->container()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_control) {
            return {};
        }
        if (t == QAccessible::Description) {
            return m_control->accessibleDescription();
        }
        if (t != QAccessible::Name && t != QAccessible::Value) {
            return {};
        }
        const auto *label = qobject_cast<const WindowlessLabel *>(m_control);
        if (t == QAccessible::Value) {
            return label ? label->text() : QString();
        }
        if (!m_control->accessibleName().isEmpty() || !label) {
            return m_control->accessibleName();
        }
        return label->text();
    }
    void setText(QAccessible::Text, const QString &) override { }

    QRect rect() const override
    {
        if (!m_control) {
            return {};
        }
        const QRect r = m_control->geometry();
        return QRect(m_control->container()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return qobject_cast<const WindowlessLabel *>(m_control) ? QAccessible::StaticText
                                                                : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !m_control || !m_control->isVisible();
        return s;
    }

private:
    QPointer<WindowlessControl> m_control;
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
        return QAccessibleWidget::childCount() + int(frame()->windowlessControls().size());
    }
    QAccessibleInterface *child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) {
            return QAccessibleWidget::child(index);
        }
        const QList<WindowlessControl *> controls = frame()->windowlessControls();
        return index - widgets < controls.size()
            ? QAccessible::queryAccessibleInterface(controls.at(index - widgets))
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (auto *control = qobject_cast<WindowlessControl *>(child ? child->object() : nullptr)) {
            const int at = int(frame()->windowlessControls().indexOf(control));
            return at < 0 ? -1 : QAccessibleWidget::childCount() + at;
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? frame()->title() : text;
    }

private:
    FrameControl *frame() const { return static_cast<FrameControl *>(widget()); }
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
    if (geometry == m_geometry) {
        return;
    }
    update();
    m_geometry = geometry;
    update();
}

void WindowlessControl::setFont(const QFont &font)
{
    // Resolved against the container's font, as a widget's font is against its parent's.
    const QFont resolved = font.resolve(container()->font());
    if (resolved == m_font) {
        return;
    }
    m_font = resolved;
    update();
}

bool WindowlessControl::isVisible() const
{
    return m_visible && container()->isVisible();
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

void setGeometryTwips(WindowlessControl *control, double left, double top, double width,
                      double height)
{
    control->setGeometry(twipsRect(left, top, width, height));
}

void setFontPoints(WindowlessControl *control, int points)
{
    if (control->font().pointSizeF() == points) {
        return;
    }
    QFont font = control->font();
    font.setPointSize(points);
    control->setFont(font);
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

QColor WindowlessLabel::foreColour() const
{
    if (m_fore.isValid()) {
        return m_fore;
    }
    const QWidget *c = container();
    const QPalette::ColorGroup group = !c->isEnabled() ? QPalette::Disabled
        : c->isActiveWindow()                          ? QPalette::Active
                                                       : QPalette::Inactive;
    return c->palette().color(group, QPalette::WindowText);
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
    painter.setFont(font());
    painter.setPen(foreColour());
    const QRect box = geometry();
    // A laid-out line lands where drawText() puts it on a screen of one device pixel to the
    // pixel; on a denser one drawText() places it itself.
    const bool plainScreen = painter.device()->devicePixelRatio() == 1;
    if (m_wordWrap || !plainScreen || (m_alignment & (Qt::AlignBottom | Qt::AlignVCenter))) {
        const int flags
            = int(m_alignment) | Qt::TextForceLeftToRight | (m_wordWrap ? Qt::TextWordWrap : 0);
        painter.drawText(box, flags, m_text);
        return;
    }
    // One line at the top, aligned as drawText() aligns it, laid out once for its font.
    if (m_laidOut.text() != m_text || m_laidOutFont != font()) {
        m_laidOut.setText(m_text);
        m_laidOut.setTextFormat(Qt::PlainText);
        m_laidOut.prepare(QTransform(), font());
        m_laidOutFont = font();
        m_advance = QFontMetricsF(font()).horizontalAdvance(m_text);
    }
    const QSizeF size = m_laidOut.size();
    qreal x = box.x();
    if (m_alignment & Qt::AlignRight) {
        x += box.width() - m_advance;
    } else if (m_alignment & Qt::AlignHCenter) {
        x += (box.width() - m_advance) / 2;
    }
    // Text that does not fit is cut at the box, as drawText() cuts it.
    const bool overflows = size.width() > box.width() || size.height() > box.height();
    if (overflows) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
    }
    painter.drawStaticText(QPointF(x, box.y()), m_laidOut);
    if (overflows) {
        painter.restore();
    }
}

// ---- WindowlessLine

WindowlessLine::WindowlessLine(QWidget *container)
    : WindowlessControl(container)
{
    place();
}

void WindowlessLine::paint(QPainter &painter) const
{
    drawLine(painter);
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
            control->paint(painter); // each keeps within its own geometry
        }
    }
}

} // namespace ui
