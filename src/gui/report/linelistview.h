// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractScrollArea>
#include <QPointer>

class QAbstractItemModel;

// A list box of text lines of one height, drawn from a list model as they come into view.
// Placing a line costs nothing, so a list of a million lines opens at once; the rows are
// picked and scrolled by mouse, wheel and keys as in any list box, one line at a time.
class LineListView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit LineListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model);
    QAbstractItemModel *model() const { return m_model; }

    int rowCount() const;
    // The picked line; -1 before any pick.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);

    int lineHeight() const;
    int firstVisibleRow() const;
    // Lines that fit whole in the view.
    int wholeRowsVisible() const;
    // Where a row is drawn in the viewport; empty when it is scrolled out of view.
    QRect rowRect(int row) const;
    // The row under a point of the viewport, or -1.
    int rowAt(const QPoint &point) const;

    void scrollToRow(int row);
    void scrollToBottom();

signals:
    void currentRowChanged(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void modelReset();
    void updateScrollBars();
    QString lineText(int row) const;

    QPointer<QAbstractItemModel> m_model;
    int m_current = -1;
    int m_widest = 0; // widest line drawn so far, for the sideways scroll bar
};
