// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linelistview.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {
constexpr int TextMargin = 3;
}

LineListView::LineListView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(8);
}

void LineListView::setModel(QAbstractItemModel *model)
{
    if (m_model) {
        disconnect(m_model, nullptr, this, nullptr);
    }
    m_model = model;
    if (m_model) {
        connect(m_model, &QAbstractItemModel::modelReset, this, &LineListView::modelReset);
        connect(m_model, &QAbstractItemModel::layoutChanged, this, &LineListView::modelReset);
        connect(m_model, &QAbstractItemModel::rowsInserted, this, &LineListView::modelReset);
        connect(m_model, &QAbstractItemModel::rowsRemoved, this, &LineListView::modelReset);
        connect(m_model, &QAbstractItemModel::dataChanged, viewport(),
                qOverload<>(&QWidget::update));
    }
    modelReset();
}

int LineListView::rowCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

void LineListView::modelReset()
{
    m_current = -1;
    m_widest = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

int LineListView::lineHeight() const
{
    return fontMetrics().height() + 2;
}

int LineListView::firstVisibleRow() const
{
    return verticalScrollBar()->value();
}

int LineListView::wholeRowsVisible() const
{
    return std::max(1, viewport()->height() / lineHeight());
}

QRect LineListView::rowRect(int row) const
{
    const int offset = row - firstVisibleRow();
    if (row < 0 || row >= rowCount() || offset < 0
        || offset * lineHeight() >= viewport()->height()) {
        return {};
    }
    return QRect(0, offset * lineHeight(), viewport()->width(), lineHeight());
}

int LineListView::rowAt(const QPoint &point) const
{
    if (point.y() < 0 || point.y() >= viewport()->height()) {
        return -1;
    }
    const int row = firstVisibleRow() + point.y() / lineHeight();
    return row < rowCount() ? row : -1;
}

void LineListView::updateScrollBars()
{
    const int rows = rowCount();
    const int whole = wholeRowsVisible();
    verticalScrollBar()->setPageStep(whole);
    verticalScrollBar()->setRange(0, std::max(0, rows - whole));
    const int width = viewport()->width();
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setRange(0, std::max(0, m_widest + 2 * TextMargin - width));
}

void LineListView::scrollToRow(int row)
{
    const int first = firstVisibleRow();
    const int whole = wholeRowsVisible();
    if (row < first) {
        verticalScrollBar()->setValue(row);
    } else if (row >= first + whole) {
        verticalScrollBar()->setValue(row - whole + 1);
    }
}

void LineListView::scrollToBottom()
{
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void LineListView::setCurrentRow(int row)
{
    const int rows = rowCount();
    if (rows == 0) {
        return;
    }
    row = std::clamp(row, 0, rows - 1);
    if (row != m_current) {
        m_current = row;
        viewport()->update();
        emit currentRowChanged(row);
    }
    scrollToRow(row);
}

QString LineListView::lineText(int row) const
{
    return m_model->data(m_model->index(row, 0)).toString();
}

void LineListView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().brush(QPalette::Base));
    if (!m_model) {
        return;
    }
    const int height = lineHeight();
    const int first = firstVisibleRow();
    const int last = std::min(rowCount() - 1, first + viewport()->height() / height);
    const int x = TextMargin - horizontalScrollBar()->value();
    const int widestBefore = m_widest;
    const QFontMetrics metrics = fontMetrics();
    for (int row = first; row <= last; ++row) {
        const QRect rect(0, (row - first) * height, viewport()->width(), height);
        if (!rect.intersects(event->rect())) {
            continue;
        }
        const QString text = lineText(row);
        m_widest = std::max(m_widest, metrics.horizontalAdvance(text));
        const bool picked = row == m_current;
        if (picked) {
            painter.fillRect(rect, palette().brush(QPalette::Highlight));
        }
        painter.setPen(palette().color(picked ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(rect.adjusted(x, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        if (picked && hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = rect;
            option.backgroundColor = palette().color(QPalette::Highlight);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
    if (m_widest != widestBefore) {
        // A wider line came into view: the sideways range follows once painting is done.
        QMetaObject::invokeMethod(this, &LineListView::updateScrollBars, Qt::QueuedConnection);
    }
}

void LineListView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LineListView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void LineListView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_widest = 0;
        updateScrollBars();
    }
}

void LineListView::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void LineListView::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void LineListView::keyPressEvent(QKeyEvent *event)
{
    const int page = wholeRowsVisible();
    const int current = m_current;
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrentRow(current < 0 ? 0 : current - 1);
        break;
    case Qt::Key_Down:
        setCurrentRow(current + 1);
        break;
    case Qt::Key_PageUp:
        setCurrentRow(current < 0 ? 0 : current - page);
        break;
    case Qt::Key_PageDown:
        setCurrentRow(std::max(current, 0) + page);
        break;
    case Qt::Key_Home:
        setCurrentRow(0);
        break;
    case Qt::Key_End:
        setCurrentRow(rowCount() - 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void LineListView::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (row >= 0 && event->button() == Qt::LeftButton) {
        setCurrentRow(row);
    }
    QAbstractScrollArea::mousePressEvent(event);
}
