#include "testsupport.h"

#include "exercise/randomsource.h"
#include "ui/clock.h"
#include "ui/windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

namespace testsupport {

WorkDir::WorkDir()
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

WorkDir::~WorkDir()
{
    QDir::setCurrent(m_previous);
}

ScriptedMessages::ScriptedMessages()
{
    ui::setMessageResponder([this](const ui::MessageRequest &request) {
        m_shown.append(request);
        return m_answers.isEmpty() ? request.defaultButton : m_answers.takeFirst();
    });
}

ScriptedMessages::~ScriptedMessages()
{
    ui::setMessageResponder({});
}

QStringList ScriptedMessages::texts() const
{
    QStringList result;
    for (const auto &request : m_shown) {
        result.append(request.text);
    }
    return result;
}

FixedClock::FixedClock(const QDateTime &start)
    : m_now(start)
{
    ui::setClock([this] { return m_now; });
}

FixedClock::~FixedClock()
{
    ui::setClock({});
}

ScriptedRandom::ScriptedRandom(QList<double> values)
    : m_values(std::move(values))
{
    setRandomSource([this] { return m_values.at(m_draws++ % m_values.size()); });
}

ScriptedRandom::~ScriptedRandom()
{
    setRandomSource({});
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
    }
}

void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int visibleTopLevelWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            ++count;
        }
    }
    return count;
}

bool closeEveryWindow()
{
    closeAllWindows();
    return visibleTopLevelWindows() == 0 && Windows::loaded().isEmpty();
}

namespace {
// Sixteen different level 1 questions, none of them 0 + 0.
const QList<double> VariedDraws = {0.13, 0.57, 0.91, 0.29, 0.74, 0.46, 0.08, 0.62,
                                   0.85, 0.37, 0.21, 0.68, 0.52, 0.33, 0.97, 0.04};
} // namespace

WindowGround::WindowGround(QList<double> draws)
    : clock(QDateTime(QDate(2026, 5, 12), QTime(13, 20, 0)))
    , random(draws.isEmpty() ? VariedDraws : std::move(draws))
{
    writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
    writeFile(QStringLiteral("ANN.hst"), "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n");
}

} // namespace testsupport

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

FileSizeLimit::FileSizeLimit(long long bytes)
{
    // Without this the write past the limit would kill the process instead of failing.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = static_cast<long long>(limit.rlim_cur);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_previous);
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace testsupport
