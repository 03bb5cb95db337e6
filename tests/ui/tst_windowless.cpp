// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/base/fonts.h"
#include "gui/base/theme.h"
#include "gui/base/windowless.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <optional>

namespace {
QImage grabbed(QWidget *frame)
{
    return frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

// The windowless label is drawn by its frame in place of a QLabel: it must look exactly like
// one, and a screen reader must still find it as the frame's child.
class tst_windowless : public QObject
{
    Q_OBJECT
    std::optional<testsupport::WorkDir> m_dir;
    QWidget *m_window = nullptr;
    ui::FrameControl *m_drawing = nullptr; // draws the windowless control
    QGroupBox *m_plain = nullptr; // holds the widget it stands for

private slots:
    void init()
    {
        m_dir.emplace();
        m_window = new QWidget;
        m_window->resize(660, 240);
        m_drawing = new ui::FrameControl("Frame1", m_window);
        m_plain = new QGroupBox("Frame1", m_window);
        m_drawing->setGeometry(10, 10, 300, 220);
        m_plain->setGeometry(340, 10, 300, 220);
        for (QWidget *frame : {static_cast<QWidget *>(m_drawing), (QWidget *)m_plain}) {
            frame->setFont(ui::fontFor(ui::sansSerif(8.25)));
        }
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup()
    {
        delete m_window;
        QVERIFY(testsupport::closeEveryWindow());
        m_dir.reset();
    }

    // Side by side, a label in its font, centred, wrapped and cut at its box, in its colours.
    void drawnAsTheWidgetItStandsFor()
    {
        const QImage empty = grabbed(m_plain);
        const QString text = "Print a sheet of sums to do at home";
        auto *drawn = new ui::WindowlessLabel(text, m_drawing);
        auto *label = new QLabel(text, m_plain);
        label->setTextFormat(Qt::PlainText);
        const auto set = [](auto *l) {
            l->setGeometry(QRect(20, 60, 150, 120));
            l->setFont(ui::fontFor(ui::timesNewRoman(12)));
            l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            l->setWordWrap(true);
        };
        set(drawn);
        set(label);
        drawn->setForeColour(ui::colours::DarkRed.toColor());
        ui::setForeColour(label, ui::colours::DarkRed);
        drawn->setBackColour(ui::colours::Yellow.toColor());
        ui::setBackColour(label, ui::colours::Yellow);
        label->show();
        const QImage shown = grabbed(m_plain);
        QVERIFY(shown != empty); // it shows something
        QCOMPARE(grabbed(m_drawing), shown);
    }

    // As the frame's child after its widgets, known by its text as a QLabel is.
    void aScreenReaderFindsItInItsFrame()
    {
        new QLabel("widget", m_drawing);
        new ui::WindowlessLabel("12", m_drawing);
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(m_drawing);
        QAccessibleInterface *number = frame->child(1);
        QCOMPARE(std::tuple(frame->childCount(), number->role(), number->text(QAccessible::Name),
                            number->parent()),
                 std::tuple(2, QAccessible::StaticText, QString("12"), frame));
    }
};

QTEST_MAIN(tst_windowless)
#include "tst_windowless.moc"
