// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "testfiles.h"

#include "core/exercise/question.h"
#include "gui/seams/clock.h"
#include "gui/seams/messagebox.h"
#include "gui/seams/random.h"
#include "gui/seams/scopedoverride.h"

#include <QApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

class MainMenu;

// Shared ground for the window tests: answers to message boxes, a clock and random draws the
// test controls, each for the life of an object, and the windows opened the way a person
// opens them.
namespace testsupport {

// Answers every message box in place of a person and remembers what was asked.
class ScriptedMessages
{
public:
    ScriptedMessages();
    // Answers given in turn; when they run out, the box's default button is pressed.
    void answer(QMessageBox::StandardButton button) { m_answers.append(button); }
    const QList<ui::MessageRequest> &shown() const { return m_shown; }
    const QStringList &texts() const { return m_texts; }

private:
    QList<QMessageBox::StandardButton> m_answers;
    QList<ui::MessageRequest> m_shown;
    QStringList m_texts;
    seams::ScopedOverride<QMessageBox::StandardButton(const ui::MessageRequest &)> m_responder;
};

// What a real message box showed a person, read as it opened.
struct SeenMessage
{
    QString title;
    QString text;
    Qt::TextFormat shownAs = Qt::AutoText; // of the label that shows the text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};
// Reads the next real message box as it opens, then clicks its button `press`. The real box
// must answer meanwhile (an empty override of seams::messageBox() over the test's).
void readNextMessageBox(SeenMessage &seen, QMessageBox::StandardButton press);

// A clock that stands still until the test moves it.
class FixedClock
{
public:
    explicit FixedClock(const QDateTime &start)
        : m_now(start)
    {
    }
    void set(const QDateTime &when) { m_now = when; }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    QDateTime now() const { return m_now; }

private:
    QDateTime m_now;
    seams::ScopedOverride<QDateTime()> m_clock {seams::clock(), [this] { return m_now; }};
};

// The window's random draws: the given values in turn, round and round.
class ScriptedRandom : public ScriptedDraws
{
public:
    using ScriptedDraws::ScriptedDraws;

private:
    seams::ScopedOverride<double()> m_random {seams::randomDraw(), source()};
};

// Looks at the next modal window from inside its own event loop, as it opens, then closes it.
void inNextModal(std::function<void(QWidget *)> look);

// The question a + b, as a tutor is given it.
Question sum(int a, int b);

// Closes every top-level window and lets their deferred deletion run.
void closeAllWindows();
// Top-level windows still shown: a test that leaves one behind has leaked it.
int visibleTopLevelWindows();
// Closes every window; false when one stays shown, or one of the program's windows stays
// there hidden, afterwards (a leak).
bool closeEveryWindow();

// The shown top-level window of class W, found as a person finds it: on the screen.
template<class W> W *shownWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<W *>(w); found && found->isVisible()) {
            return found;
        }
    }
    return nullptr;
}

// Makes and shows the main menu with a session of its own, or shows again the one made
// before while it is open; then picks a student as a person does from the keyboard:
// the list focused, the down arrow pressed `picks` times.
MainMenu *openMenu(int picks = 0);
// Clicks the window's button of that name with the mouse.
void click(QWidget *window, const char *button);
// Adds a student through the menu's new-student dialog: the name typed, OK clicked, and the
// dialog cancelled when it stays open after a refusal.
void addStudent(QWidget *menu, const char *name);
// Shows the window, types the keys where the focus is and clicks the buttons; gives back the
// window they opened, if any, else this one.
QWidget *act(QWidget *window, QList<const char *> buttons = {}, const char *keys = "");
// The names the menu's student list shows.
QStringList listedStudents(QWidget *menu);
// How many of Start, Print and Reports are enabled: all three only while a student is picked.
int windowButtonsEnabled(QWidget *menu);
// The report's lines below its heading.
QStringList reportLines(QWidget *report);

// What a window test stands on: its own working directory holding a roster of one student,
// ANN, with one result; message boxes answered by the test; a clock standing at
// 12 May 2026 13:20; and random draws the test chose (by default sixteen different
// level 1 questions). Make one in init() and drop it in cleanup() after closeEveryWindow().
struct WindowGround
{
    explicit WindowGround(QList<double> draws = {});
    WorkDir dir;
    ScriptedMessages messages;
    FixedClock clock;
    ScriptedRandom random;
};

} // namespace testsupport
