// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening each window from its button to painted, and one resize of the print window and
// of the exercise window, against a bare window of the same size with a dozen buttons.

#include "benchsupport.h"
#include "core/records/history.h"
#include "core/records/session.h"
#include "gui/base/fonts.h"
#include "gui/menu/mainmenu.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const char *const Student = "BENCH";

// Notes when a window other than the main menu has painted and the event loop has then
// gone idle; a modal dialog is closed at that moment so that its exec() returns.
class PaintWatch : public QObject
{
public:
    PaintWatch(const QWidget *menu, QEventLoop *loop)
        : m_menu(menu)
        , m_loop(loop)
    {
    }

    void start()
    {
        m_cpuStart = bench::processCpuSeconds();
        m_timer.start();
        qApp->installEventFilter(this);
    }
    bool done() const { return m_seconds >= 0; }
    double seconds() const { return m_seconds; }
    double cpuSeconds() const { return m_cpuSeconds; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_window && watched->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(watched)->window();
            if (window != m_menu) {
                m_window = window;
                connect(QAbstractEventDispatcher::instance(),
                        &QAbstractEventDispatcher::aboutToBlock, this, &PaintWatch::idle,
                        Qt::SingleShotConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void idle()
    {
        m_seconds = double(m_timer.nsecsElapsed()) / 1e9;
        m_cpuSeconds = bench::processCpuSeconds() - m_cpuStart;
        qApp->removeEventFilter(this);
        if (auto *dialog = qobject_cast<QDialog *>(m_window)) {
            dialog->reject();
        }
        m_loop->quit();
    }

    const QWidget *m_menu;
    QEventLoop *m_loop;
    QWidget *m_window = nullptr;
    QElapsedTimer m_timer;
    double m_seconds = -1;
    double m_cpuStart = 0;
    double m_cpuSeconds = 0;
};

struct PaintCount : QObject
{
    int count = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The floor: a window of the given size with twelve buttons and nothing else.
QWidget *bareWindow(QSize size)
{
    auto *window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto *grid = new QGridLayout(window);
    for (int i = 0; i < 12; ++i) {
        grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1)), i / 3, i % 3);
    }
    window->resize(size);
    return window;
}

template<class T> T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

void pick(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The window the menu opened, shown in its place; the menu itself when it opened none.
QWidget *windowOpenedBy(MainMenu *menu)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != menu && qobject_cast<Form *>(w) && w->isVisible()) {
            return w;
        }
    }
    return menu;
}

MainMenu *openMenu()
{
    ui::installFontSubstitutes();
    auto *session = new Session;
    auto *menu = new MainMenu(*session);
    session->setParent(menu);
    menu->show();
    QCoreApplication::processEvents();
    pick(control<QComboBox>(menu, "Combo1"), 0);
    QCoreApplication::processEvents();
    return menu;
}

// Clicks the button and waits for the window it opens to be painted.
bench::Measurement timeToPainted(QPushButton *button, const QWidget *menu)
{
    QEventLoop loop;
    PaintWatch watch(menu, &loop);
    watch.start();
    button->click();
    if (!watch.done()) {
        loop.exec();
    }
    return {watch.seconds(), 0, watch.cpuSeconds()};
}

int measureOpen(const QString &which)
{
    MainMenu *menu = openMenu();
    QPushButton *button = nullptr;
    if (which == QLatin1String("exercise")) {
        button = control<QPushButton>(menu, "Command1");
    } else if (which == QLatin1String("print")) {
        button = control<QPushButton>(menu, "Command2");
    } else if (which == QLatin1String("report")) {
        button = control<QPushButton>(menu, "Command4");
    } else if (which == QLatin1String("tutor") || which == QLatin1String("tutor2")) {
        // HELP ME after checking an empty sheet opens the tutor of the level.
        control<QPushButton>(menu, "Command1")->click();
        QWidget *exercise = windowOpenedBy(menu);
        pick(control<QComboBox>(exercise, "Combo1"), which == QLatin1String("tutor") ? 0 : 1);
        control<QPushButton>(exercise, "cmdcheck")->click();
        QCoreApplication::processEvents();
        button = control<QPushButton>(exercise, "cmdHelpMe");
    } else if (which == QLatin1String("floor")) {
        auto *floorButton = new QPushButton(menu);
        const QSize size = menu->size();
        QObject::connect(floorButton, &QPushButton::clicked, [size] { bareWindow(size)->show(); });
        button = floorButton;
    }
    if (!button || !button->isEnabled()) {
        fprintf(stderr, "bench_windows: no way to open %s\n", qPrintable(which));
        return 1;
    }
    const bench::Measurement m = timeToPainted(button, menu);
    if (m.seconds < 0) {
        return 1;
    }
    bench::reportMeasurement(m);
    return 0;
}

int measureResize(const QString &which)
{
    MainMenu *menu = openMenu();
    QWidget *window = nullptr;
    QWidget *probe = nullptr; // a control that moves when the window's layout is redone
    if (which == QLatin1String("floor")) {
        window = bareWindow(menu->size());
        window->show();
        probe = window->findChild<QPushButton *>();
    } else {
        control<QPushButton>(menu, which == QLatin1String("print") ? "Command2" : "Command1")
            ->click();
        window = windowOpenedBy(menu);
        if (window == menu) { // the buttons wait for a student to be picked
            fprintf(stderr, "bench_windows: the %s window did not open\n", qPrintable(which));
            return 1;
        }
        probe = control<QPushButton>(window, "Command1");
        if (!probe) {
            probe = control<QPushButton>(window, "cmdcheck");
        }
    }
    QCoreApplication::processEvents();
    PaintCount painted;
    window->installEventFilter(&painted);

    // As a live drag does it: the window grows in steps of 1% to a quarter larger and
    // shrinks back, four times over; each step is laid out and painted before the next.
    const QSize design = window->size();
    QList<double> times;
    QList<double> cpuTimes;
    QElapsedTimer timer;
    for (int i = 0; i < 200; ++i) {
        const int step = i % 50 < 25 ? i % 50 + 1 : 49 - i % 50;
        const QSize target(design.width() * (100 + step) / 100,
                           design.height() * (100 + step) / 100);
        const QRect before = probe->geometry();
        const int paintsBefore = painted.count;
        const double cpu = bench::processCpuSeconds();
        timer.start();
        window->resize(target);
        QCoreApplication::processEvents();
        times.append(double(timer.nsecsElapsed()) / 1e9);
        cpuTimes.append(bench::processCpuSeconds() - cpu);
        if (window->size() != target || probe->geometry() == before
            || painted.count == paintsBefore) {
            fprintf(stderr, "bench_windows: the %s window was not laid out and painted anew\n",
                    qPrintable(which));
            return 1;
        }
    }
    bench::reportMeasurement({bench::median(times), 0, bench::median(cpuTimes)});
    return 0;
}

void printRow(const char *what, const bench::Summary &m, const bench::Summary &floor, double goal,
              int decimals)
{
    printf("%-32s %9s %9s %9s %9s %6.2fx  %s / %s\n", what,
           qPrintable(bench::milliseconds(m.seconds, decimals)),
           qPrintable(bench::milliseconds(m.cpuSeconds, decimals)),
           qPrintable(bench::milliseconds(floor.seconds, decimals)),
           qPrintable(bench::milliseconds(floor.cpuSeconds, decimals)), m.seconds / floor.seconds,
           m.seconds < goal ? "met" : "MISSED", m.cpuSeconds < goal ? "met" : "MISSED");
}

void writeHistory(const QString &dir)
{
    QFile roster(QDir(dir).filePath(QStringLiteral("sumroll.ini")));
    QFile file(QDir(dir).filePath(QFile::decodeName(history::fileNameFor(Student))));
    if (roster.open(QIODevice::WriteOnly) && file.open(QIODevice::WriteOnly)) {
        roster.write(QByteArray(Student) + "\r\n");
        QDateTime when(QDate(2024, 1, 1), QTime(9, 0));
        for (int i = 0; i < 200; ++i) {
            when = when.addSecs(5 * 3600);
            const HistoryRecord r {history::formatDate(when), QByteArray::number(1 + i % 6),
                                   QByteArray::number(50 + i % 50), QByteArrayLiteral("00:02:15")};
            file.write(history::formatRecord(r) + "\r\n");
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc == 4
        && (QByteArrayView(argv[1]) == "--open" || QByteArrayView(argv[1]) == "--resize")) {
        QApplication app(argc, argv);
        const QString dir = QString::fromLocal8Bit(argv[3]);
        // A folder of one's own for a single run gets the roster and history the full run
        // makes; without a student the menu would open no window.
        if (!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("sumroll.ini")))) {
            writeHistory(dir);
        }
        QDir::setCurrent(dir);
        const QString which = QString::fromLatin1(argv[2]);
        return QByteArrayView(argv[1]) == "--open" ? measureOpen(which) : measureResize(which);
    }

    QCoreApplication app(argc, argv);
    const std::optional<int> chosenRuns = bench::runsFromArguments(7);
    if (!chosenRuns) {
        return 2;
    }
    const int runs = *chosenRuns;
    QTemporaryDir dir;
    writeHistory(dir.path());

    printf("Windows: opening each from its button to painted, and one resize\n");
    printf("machine: %s\n", qPrintable(bench::machineDescription()));
    printf("medians of %d runs, each opening in a fresh process; a resize is the median of\n"
           "200 steps of a drag (resize, layout, paint), itself the median of 3 runs;\n"
           "floor: a bare window of the menu's size with 12 buttons, opened or resized alike;\n"
           "CPU: processor time of the process, what the wall time would be on an idle machine\n\n",
           runs);

    const auto floorOpen = bench::medianOfRuns(
        {QStringLiteral("--open"), QStringLiteral("floor"), dir.path()}, runs);
    if (!floorOpen) {
        fprintf(stderr, "bench_windows: the floor failed\n");
        return 1;
    }
    printf("%-32s %9s %9s %9s %9s %7s  %s\n", "what", "wall", "CPU", "floor", "floor CPU", "ratio",
           "goal (wall / CPU)");
    const struct
    {
        const char *key;
        const char *what;
    } windows[] = {{"exercise", "open the exercise window"},
                   {"tutor", "open the tutor (level 1)"},
                   {"tutor2", "open the tutor (levels 2-6)"},
                   {"report", "open the report window"},
                   {"print", "open the print window"}};
    bool ok = true;
    for (const auto &w : windows) {
        const auto m = bench::medianOfRuns(
            {QStringLiteral("--open"), QString::fromLatin1(w.key), dir.path()}, runs);
        if (!m) {
            fprintf(stderr, "bench_windows: opening %s failed\n", w.key);
            ok = false;
            continue;
        }
        printRow(w.what, *m, *floorOpen, 0.050, 1);
    }
    printf("%-32s %s\n\n", "", "goal: under 50 ms");

    const auto floorResize
        = bench::medianOfRuns({QStringLiteral("--resize"), QStringLiteral("floor"), dir.path()}, 3);
    if (!floorResize) {
        fprintf(stderr, "bench_windows: the floor's resize failed\n");
        return 1;
    }
    const struct
    {
        const char *key;
        const char *what;
    } resizes[]
        = {{"print", "resize the print window"}, {"exercise", "resize the exercise window"}};
    for (const auto &r : resizes) {
        const auto m = bench::medianOfRuns(
            {QStringLiteral("--resize"), QString::fromLatin1(r.key), dir.path()}, 3);
        if (!m) {
            fprintf(stderr, "bench_windows: resizing %s failed\n", r.key);
            ok = false;
            continue;
        }
        printRow(r.what, *m, *floorResize, 0.002, 2);
    }
    printf("%-32s %s\n", "", "goal: under 2 ms");
    return ok ? 0 : 1;
}
