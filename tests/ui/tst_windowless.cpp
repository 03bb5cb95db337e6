// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/base/fonts.h"
#include "gui/base/linecontrol.h"
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

// The windowless label and line are drawn by their frame in place of a QLabel and a
// LineControl: they must look exactly like them, and a screen reader must still find them
// as the frame's children.
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

    // As design rows make them, side by side: plain text in its font, aligned, wrapped, cut
    // at its box, in its colours; a thick coloured line slanting up between pixels.
    void drawnAsTheWidgetsTheyStandFor()
    {
        const QImage empty = grabbed(m_plain);
        const auto both = [this](const QString &text, QRect box, const QFont &font,
                                 Qt::Alignment alignment, bool wrap, ui::Rgb back, ui::Rgb fore) {
            auto *drawn = new ui::WindowlessLabel(text, m_drawing);
            auto *label = new QLabel(text, m_plain);
            label->setTextFormat(Qt::PlainText);
            const auto set = [&](auto *l) {
                l->setGeometry(box);
                l->setFont(font);
                l->setAlignment(alignment);
                l->setWordWrap(wrap);
            };
            set(drawn);
            set(label);
            if (fore.isSet()) {
                drawn->setForeColour(fore.toColor());
                ui::setForeColour(label, fore);
            }
            if (back.isSet()) {
                drawn->setBackColour(back.toColor());
                ui::setBackColour(label, back);
            }
            label->show();
        };
        const QFont bold = ui::fontFor(ui::sansSerif(13.5, true));
        both("78", {56, 24, 73, 23}, bold, Qt::AlignRight | Qt::AlignVCenter, false,
             ui::colours::LightYellow, ui::colours::DarkRed);
        both("Print a sheet of sums to do at home", {20, 60, 150, 120},
             ui::fontFor(ui::timesNewRoman(12)), Qt::AlignHCenter | Qt::AlignTop, true,
             ui::colours::Yellow, {});
        both("123456789", {180, 60, 50, 15}, bold, Qt::AlignLeft | Qt::AlignTop, false, {}, {});
        const ui::LineEnds pen {4107, 503, 301, 2511, 3, ui::colours::DarkPurple.toColor()};
        auto *drawn = new ui::WindowlessLine(m_drawing);
        auto *line = new LineControl(m_plain);
        drawn->setEnds(pen);
        line->setEnds(pen);
        line->show();
        QCOMPARE(drawn->geometry(), line->geometry());
        const QImage shown = grabbed(m_plain);
        QVERIFY(shown != empty); // they show something
        QCOMPARE(grabbed(m_drawing), shown);
    }

    // After the frame's widgets, in the order made: a label known by its text unless it has a
    // name, as a QLabel is, and a line as a picture.
    void aScreenReaderFindsThemInTheirFrame()
    {
        auto *box = new QLabel("widget", m_drawing);
        auto *number = new ui::WindowlessLabel("12", m_drawing);
        number->setGeometry(QRect(30, 40, 50, 20));
        auto *plus = new ui::WindowlessLabel("+", m_drawing);
        plus->setAccessibleName("plus");
        auto *line = new ui::WindowlessLine(m_drawing);
        line->setEnds({.x1 = 240, .y1 = 1080, .x2 = 2160, .y2 = 1080});
        line->setAccessibleName("answer line");
        auto *hidden = new ui::WindowlessLabel("hidden", m_drawing);
        hidden->setVisible(false);

        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(m_drawing);
        QCOMPARE(frame->role(), QAccessible::Grouping);
        QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Frame1"));
        QCOMPARE(frame->childCount(), 5);
        const QList<std::pair<QAccessible::Role, QString>> children {
            {QAccessible::StaticText, "widget"},
            {QAccessible::StaticText, "12"},
            {QAccessible::StaticText, "plus"},
            {QAccessible::Graphic, "answer line"},
            {QAccessible::StaticText, "hidden"}};
        for (int i = 0; i < children.size(); ++i) {
            QAccessibleInterface *child = frame->child(i);
            QCOMPARE(std::pair(child->role(), child->text(QAccessible::Name)), children.at(i));
            QCOMPARE(child->parent(), frame);
            QCOMPARE(frame->indexOfChild(child), i);
        }
        QCOMPARE(frame->child(0)->object(), box);

        // Where it is, as a QLabel's place is told.
        QAccessibleInterface *reader = frame->child(1);
        QCOMPARE(reader->rect(), QRect(m_drawing->mapToGlobal(QPoint(30, 40)), QSize(50, 20)));
        QVERIFY(!reader->state().invisible);
        QVERIFY(frame->child(4)->state().invisible);
    }
};

QTEST_MAIN(tst_windowless)
#include "tst_windowless.moc"
