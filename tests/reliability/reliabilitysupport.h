#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

// Ground shared by the reliability tests: real message boxes watched and answered, the
// bytes of a whole directory, work done in a child process, and the memory in use.
namespace reliability {

// A message box as the user saw it.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Watches for modal windows while a user action runs: message boxes are remembered and
// answered (Yes where there is a Yes, else their default button); any other modal window
// is handed to the given step, which fills it in or closes it.
class BoxWatcher
{
public:
    using DialogStep = std::function<void(QWidget *dialog, int timesSeen)>;
    explicit BoxWatcher(DialogStep onDialog = {});
    const QList<SeenBox> &boxes() const { return m_boxes; }

private:
    void poll();

    QTimer m_timer;
    DialogStep m_onDialog;
    QWidget *m_lastDialog = nullptr;
    int m_timesSeen = 0;
    QList<SeenBox> m_boxes;
};

// Every file under a directory, by relative path, with its bytes; directories are listed
// with a trailing "/" and no bytes.
using Snapshot = QMap<QString, QByteArray>;
Snapshot snapshot(const QString &dir);

// The resident memory of this process in kilobytes.
long residentKb();

// Writes of this process stop being allowed by the permission bits: as root, the effective
// user becomes "nobody" for the object's lifetime, since root writes anywhere.
class WithoutWriteRights
{
public:
    WithoutWriteRights();
    ~WithoutWriteRights();
    WithoutWriteRights(const WithoutWriteRights &) = delete;
    WithoutWriteRights &operator=(const WithoutWriteRights &) = delete;
    bool droppedRoot() const { return m_droppedRoot; }

private:
    bool m_droppedRoot = false;
};

// True when built with AddressSanitizer, whose quarantine keeps freed memory for a while.
bool underAddressSanitizer();

} // namespace reliability
