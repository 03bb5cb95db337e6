// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/report/linelistview.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QStringListModel>
#include <QtTest>

// The report's list box as a teacher uses it: keys and clicks pick a line, and the picked line
// stays in view.
class tst_linelistview : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QStringList lines;
        for (int row = 0; row < 100; ++row) {
            lines.append(QStringLiteral("line %1").arg(row));
        }
        m_model.setStringList(lines);
        m_view.emplace();
        m_view->setModel(&m_model);
        m_view->resize(200, 300);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*m_view));
        // Ten whole lines in view, whatever the font.
        const int frame = m_view->height() - m_view->viewport()->height();
        m_view->resize(200, frame + 10 * m_view->lineHeight() + m_view->lineHeight() / 2);
        QCOMPARE(m_view->wholeRowsVisible(), 10);
        m_view->setFocus();
    }

    void cleanup() { m_view.reset(); }

    // Each key from the same start, with the line it picks and the first line then in view.
    void keysPickALineAndKeepItInView()
    {
        const QList<std::tuple<QList<int>, int, int>> presses {
            {{Qt::Key_Up}, 0, 0}, // before any pick, the first line
            {QList<int>(11, Qt::Key_Down), 10, 1}, // past the view: scrolled by one
            {{Qt::Key_PageDown, Qt::Key_PageDown}, 20, 11}, // by the lines in view
            {{Qt::Key_End, Qt::Key_PageUp}, 89, 89},
            {QList<int>(12, Qt::Key_PageDown), 99, 90}, // stops at the last
        };
        for (const auto &[keys, picked, firstShown] : presses) {
            m_model.setStringList(m_model.stringList()); // no pick, the top in view
            for (int key : keys) {
                QTest::keyClick(m_view->viewport(), Qt::Key(key));
            }
            QCOMPARE(m_view->currentRow(), picked);
            QCOMPARE(m_view->firstVisibleRow(), firstShown);
        }
    }

    void aPickIsSignalledOnce()
    {
        QSignalSpy picks(&*m_view, &LineListView::currentRowChanged);
        const QRect third = m_view->rowRect(3);
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, third.center());
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(picks.count(), 1);
        QCOMPARE(picks.first().first().toInt(), 3);
        QCOMPARE(m_view->currentRow(), 3);

        // A click below the last line picks nothing new.
        m_model.setStringList({QStringLiteral("only")});
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, third.center());
        QVERIFY(m_view->currentRow() <= 0);
    }

private:
    QStringListModel m_model;
    std::optional<LineListView> m_view;
};

QTEST_MAIN(tst_linelistview)
#include "tst_linelistview.moc"
