#include "reliabilitysupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QWidget>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>

namespace reliability {

BoxWatcher::BoxWatcher(DialogStep onDialog)
    : m_onDialog(std::move(onDialog))
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

void BoxWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        return;
    }
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        m_boxes.append({box->windowTitle(), box->text(), box->icon()});
        QAbstractButton *yes = box->button(QMessageBox::Yes);
        QAbstractButton *press = yes ? yes : box->defaultButton();
        if (press) {
            press->click();
        } else {
            box->reject();
        }
        return;
    }
    if (m_onDialog) {
        m_timesSeen = modal == m_lastDialog ? m_timesSeen + 1 : 1;
        m_lastDialog = modal;
        m_onDialog(modal, m_timesSeen);
    }
}

Snapshot snapshot(const QString &dir)
{
    Snapshot result;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(dir.size() + 1);
        const QFileInfo info(path);
        if (info.isDir()) {
            result.insert(relative + QLatin1Char('/'), QByteArray());
            continue;
        }
        QFile file(path);
        result.insert(relative,
                      file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return result;
}

long residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (::sysconf(_SC_PAGESIZE) / 1024) : -1;
}

WithoutWriteRights::WithoutWriteRights()
{
    if (::geteuid() != 0) {
        return;
    }
    const passwd *nobody = ::getpwnam("nobody");
    if (nobody && ::setegid(nobody->pw_gid) == 0 && ::seteuid(nobody->pw_uid) == 0) {
        m_droppedRoot = true;
    }
}

WithoutWriteRights::~WithoutWriteRights()
{
    if (m_droppedRoot) {
        // The saved user id is still root, so the rights come back.
        [[maybe_unused]] const int u = ::seteuid(0);
        [[maybe_unused]] const int g = ::setegid(0);
    }
}

bool underAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

} // namespace reliability
