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
        const QFont bold = ui::fontFor(ui::sansSerif(13.5, true));
        const struct
        {
            QString text;
            QRect box;
            QFont font;
            Qt::Alignment alignment;
            bool wrap;
            ui::Rgb fore;
            ui::Rgb back;
        } labels[] = {
            {"78",
             {56, 24, 73, 23},
             bold,
             Qt::AlignRight | Qt::AlignVCenter,
             false,
             ui::colours::DarkRed,
             ui::colours::LightYellow},
            {"Print a sheet of sums to do at home",
             {20, 60, 150, 120},
             ui::fontFor(ui::timesNewRoman(12)),
             Qt::AlignHCenter | Qt::AlignTop,
             true,
             {},
             ui::colours::Yellow},
            {"123456789", {180, 60, 50, 15}, bold, Qt::AlignLeft | Qt::AlignTop, false, {}, {}},
        };
        for (const auto &l : labels) {
            auto *drawn = new ui::WindowlessLabel(l.text, m_drawing);
            auto *label = new QLabel(l.text, m_plain);
            label->setTextFormat(Qt::PlainText);
            label->setGeometry(l.box);
            drawn->setGeometry(l.box);
            label->setFont(l.font);
            drawn->setFont(l.font);
            label->setAlignment(l.alignment);
            drawn->setAlignment(l.alignment);
            label->setWordWrap(l.wrap);
            drawn->setWordWrap(l.wrap);
            if (l.fore.isSet()) {
                drawn->setForeColour(l.fore.toColor());
                ui::setForeColour(label, l.fore);
            }
            if (l.back.isSet()) {
                drawn->setBackColour(l.back.toColor());
                ui::setBackColour(label, l.back);
            }
            label->show();
        }
        const ui::LineEnds pen {.x1 = 4107,
                                .y1 = 503,
                                .x2 = 301,
                                .y2 = 2511,
                                .borderWidth = 3,
                                .colour = ui::colours::DarkPurple.toColor()};
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
        QCOMPARE(frame->child(5), nullptr);
        QCOMPARE(frame->child(0)->object(), box);

        // Read as the QLabel it stands for is read: the same name and value, and where it is.
        QLabel alike("12", m_plain);
        QAccessibleInterface *reader = frame->child(1);
        QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(&alike);
        QCOMPARE(reader->role(), plain->role());
        QCOMPARE(reader->text(QAccessible::Name), plain->text(QAccessible::Name));
        QCOMPARE(reader->rect(), QRect(m_drawing->mapToGlobal(QPoint(30, 40)), QSize(50, 20)));
        QVERIFY(!reader->state().invisible);
        QVERIFY(frame->child(4)->state().invisible);
    }
};

QTEST_MAIN(tst_windowless)
#include "tst_windowless.moc"
