#pragma once

#include "ui/msgbox.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// Shared ground for the tests: a private working directory, answers to message boxes,
// a clock and a random source the test controls, and files read and written as bytes.
namespace testsupport {

// Makes a fresh temporary directory the working directory for its lifetime.
class WorkDir
{
public:
    WorkDir();
    ~WorkDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Answers every message box in place of a person and remembers what was asked.
class ScriptedMessages
{
public:
    ScriptedMessages();
    ~ScriptedMessages();
    // Answers given in turn; when they run out, the box's default button is pressed.
    void answer(QMessageBox::StandardButton button) { m_answers.append(button); }
    const QList<ui::MessageRequest> &shown() const { return m_shown; }
    QStringList texts() const;

private:
    QList<QMessageBox::StandardButton> m_answers;
    QList<ui::MessageRequest> m_shown;
};

// A clock that stands still until the test moves it.
class FixedClock
{
public:
    explicit FixedClock(const QDateTime &start);
    ~FixedClock();
    void set(const QDateTime &when) { m_now = when; }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    QDateTime now() const { return m_now; }

private:
    QDateTime m_now;
};

// A random source that yields the given values in turn, round and round.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(QList<double> values);
    ~ScriptedRandom();
    int draws() const { return m_draws; }

private:
    QList<double> m_values;
    int m_draws = 0;
};

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

// Closes every top-level window and lets their deferred deletion run.
void closeAllWindows();
// Top-level windows still shown: a test that leaves one behind has leaked it.
int visibleTopLevelWindows();
// Closes every window; false when one stays shown or loaded afterwards (a leak).
bool closeEveryWindow();

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

namespace testsupport {

// Lowers the size any file of this process may grow to, for the life of the object,
// so that a write past it fails as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();

private:
    long long m_previous = -1;
};

} // namespace testsupport
